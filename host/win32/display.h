// The screen the menu is shown on: its work area and the dots per inch the
// desktop asks for, and the display scale they give a window.
#pragma once

#include <windows.h>

#include "host/display_scale.h"
#include "host/host.h"

namespace host::win32 {

// The desktop's dots per inch where new windows open, and where `window`
// stands now.
int SystemDpi();
int WindowDpi(HWND window);
// The work area of the main screen, or of the one `window` is on.
Rect WorkArea(HWND window = nullptr);
// The scale for a window of width x height program pixels at `dpi`, within
// `area`.
DisplayScale ScaleFor(int dpi, const Rect& area, int width, int height);

}  // namespace host::win32
