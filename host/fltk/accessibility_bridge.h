// The window's entries on the desktop's accessibility bus (AT-SPI), for
// screen readers such as Orca: an application with one frame, the entries as
// push buttons, a link and a list, each with its states, its place on the
// screen and a default action. It speaks through the desktop's own ATK bridge,
// opened at run time, which keeps up with the bus's protocol as the desktop
// does; the program only describes its window in ATK's terms.
#pragma once

#include <memory>

#include "host/accessibility.h"

class Fl_Window;

namespace host::fltk {

class AccessibilityBridge : public accessibility::Listener {
 public:
  // On the bus when it runs and the desktop has the bridge; none otherwise.
  // One bridge at a time.
  static std::unique_ptr<AccessibilityBridge> Start(Fl_Window& window,
                                                    accessibility::Window& source);
  virtual ~AccessibilityBridge() = default;
};

}  // namespace host::fltk
