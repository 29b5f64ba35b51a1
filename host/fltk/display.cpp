#include "host/fltk/display.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/XKBlib.h>

#include <cstdio>
#include <cstdlib>

namespace host::fltk {

bool OpenDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    std::fputs(
        "start: no display to show the menu on (DISPLAY is not set); start it from a desktop "
        "session, or see README for a screenshot under Xvfb\n",
        stderr);
    return false;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "start: cannot open the display \"%s\"\n", name);
    return false;
  }
  fl_open_display(display);
  // A held key repeats as presses alone, never as a release and a press
  // that could arrive apart and read as a second press (Enter opens once).
  XkbSetDetectableAutoRepeat(display, True, nullptr);
  return true;
}

}  // namespace host::fltk
