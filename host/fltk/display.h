// The connection to the X display the menu is shown on.
#pragma once

namespace host::fltk {

// Opens the display named by DISPLAY for FLTK. Without one, says so on
// standard error and returns false.
bool OpenDisplay();

}  // namespace host::fltk
