// Between the program's measures and the system's: colours, fonts, handles
// and rectangles.
#pragma once

#include <windows.h>

#include "host/design.h"
#include "host/display_scale.h"
#include "host/layout.h"

namespace host::win32 {

COLORREF ToColorRef(Color color);
void FillWith(HDC dc, const RECT& rect, Color color);
// The font a control's design asks for at `scale`, the system's own for a
// design without one; the caller deletes it.
HFONT FontOf(const ControlDesign& design, DisplayScale scale);
// The system's handles fit in 32 bits, so that 32-bit programs can share
// them: the run time hands them out as such.
HWND WindowOf(int32_t handle);
int32_t HandleOf(HANDLE handle);
// A rectangle of the window's pixels, moved by (-dx, -dy): into a container.
RECT RectOf(const PixelRect& rect, int dx = 0, int dy = 0);
// A black frame one program pixel wide just inside `rect`, which then holds
// what lies within it.
void FrameInside(HDC dc, RECT& rect, DisplayScale scale);

}  // namespace host::win32
