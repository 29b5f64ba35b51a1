// Between the program's measures and the system's: colours, fonts, handles
// and rectangles.
#pragma once

#include <windows.h>

#include "host/design.h"
#include "host/layout.h"

namespace host::win32 {

COLORREF ToColorRef(Color color);
void FillWith(HDC dc, const RECT& rect, Color color);
// The font a control's design asks for; the caller deletes it unless it is
// the stock one, which a design without a font gets.
HFONT FontOf(const ControlDesign& design);
// The system's handles fit in 32 bits, so that 32-bit programs can share
// them: the run time hands them out as such.
HWND WindowOf(int32_t handle);
int32_t HandleOf(HANDLE handle);
// A rectangle of the window's pixels, moved by (-dx, -dy): into a container.
RECT RectOf(const PixelRect& rect, int dx = 0, int dy = 0);

}  // namespace host::win32
