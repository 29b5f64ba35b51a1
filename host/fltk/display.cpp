#include "host/fltk/display.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/XKBlib.h>

#include <cstdio>
#include <cstdlib>

#include "host/messages.h"

namespace host::fltk {

bool OpenDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    std::fputs(NoDisplayLine().c_str(), stderr);
    return false;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs(NoDisplayOpensLine(name).c_str(), stderr);
    return false;
  }
  fl_open_display(display);
  // A held key repeats as presses alone, never as a release and a press
  // that could arrive apart and read as a second press (Enter opens once).
  XkbSetDetectableAutoRepeat(display, True, nullptr);
  return true;
}

}  // namespace host::fltk
