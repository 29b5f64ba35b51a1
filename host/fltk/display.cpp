#include "host/fltk/display.h"

#include <FL/Fl.H>
#include <FL/x.H>

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
  return true;
}

}  // namespace host::fltk
