// The connection to the X display the menu is shown on, and the scale its
// desktop asks for.
#pragma once

#include "host/display_scale.h"

namespace host::fltk {

// Opens the display named by DISPLAY for FLTK. Without one, says so on
// standard error and returns false.
bool OpenDisplay();

// The scale for a window of width x height program pixels on the open
// display: GDK_SCALE, else the Xft.dpi resource the desktop loaded (xrdb),
// within the first screen's work area.
DisplayScale DesktopScaleFor(int width, int height);

}  // namespace host::fltk
