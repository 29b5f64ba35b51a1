// Paints the window's shared image onto a device context of the system.
#pragma once

#include <windows.h>

#include "host/surface.h"

namespace host::win32 {

// The image at the corner of `dc`, as the system's device-independent bitmap.
void PaintImage(HDC dc, const Surface& image);

}  // namespace host::win32
