#include "host/fltk/display.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/XKBlib.h>
#include <X11/Xresource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/messages.h"

namespace host::fltk {

namespace {

// The Xft.dpi resource as the desktop loaded it into the display, or empty.
std::string XftDpi() {
  const char* resources = XResourceManagerString(fl_display);
  if (!resources) return {};
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  if (!database) return {};
  char* type = nullptr;
  XrmValue value{};
  std::string dpi;
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr)
    dpi.assign(value.addr, value.size > 0 ? value.size - 1 : 0);
  XrmDestroyDatabase(database);
  return dpi;
}

}  // namespace

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

DisplayScale DesktopScaleFor(int width, int height) {
  const DisplayScale wanted = DesktopScale(std::getenv("GDK_SCALE"), XftDpi().c_str());
  if (wanted == DisplayScale()) return wanted;
  int x, y, w, h;
  Fl::screen_work_area(x, y, w, h, 0);
  return FittingScale(wanted, width, height, w, h);
}

}  // namespace host::fltk
