// Paints the window's shared image onto a device context of the system.
#pragma once

#include <windows.h>

#include "host/canvas.h"

namespace host::win32 {

// What the canvas shows, its rows top..bottom-1, at the corner of `dc`, as
// the system's device-independent bitmaps.
void PaintImage(HDC dc, const Canvas& canvas, int top, int bottom);

}  // namespace host::win32
