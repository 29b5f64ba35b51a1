// Whether the desktop runs an accessibility bus (AT-SPI) that a screen
// reader listens on. Asking starts nothing and loads nothing but, at most,
// the session bus's small client library.
#pragma once

namespace host::fltk {

// Named in the environment, written on the display's root window by the
// bus's launcher, or owned on the session bus. False when NO_AT_BRIDGE=1.
bool AccessibilityBusRuns();

}  // namespace host::fltk
