#include "host/fltk/display_scale.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xresource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "host/layout.h"

namespace host::fltk {

namespace {

constexpr double kStandardDpi = 96;

// A whole number from 1 written out in full, or 0.
long PositiveWhole(const char* text) {
  if (!text || !*text) return 0;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return *end == '\0' && value > 0 ? value : 0;
}

// A positive real number written out in full, or 0.
double PositiveReal(const char* text) {
  if (!text || !*text) return 0;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  return *end == '\0' && std::isfinite(value) && value > 0 ? value : 0;
}

// The Xft.dpi resource as the desktop loaded it into the display (xrdb), or
// empty.
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

float DisplayScale::TwipsOf(int screenPixels) const {
  return TwipsFrom(static_cast<double>(screenPixels) / factor_);
}

int DisplayScale::ScreenPixelsOf(float twips) const {
  return PixelsOf(static_cast<double>(twips) * factor_);
}

int DesktopScale(const char* gdkScale, const char* xftDpi) {
  if (const long scale = PositiveWhole(gdkScale))
    return static_cast<int>(std::min<long>(scale, 64));
  if (const double dpi = PositiveReal(xftDpi))
    return static_cast<int>(std::clamp(std::lround(dpi / kStandardDpi), 1L, 64L));
  return 1;
}

int FittingScale(int wanted, int width, int height, int screenWidth, int screenHeight) {
  if (width <= 0 || height <= 0) return 1;
  return std::max(1, std::min({wanted, screenWidth / width, screenHeight / height}));
}

DisplayScale ScaleForWindow(int width, int height) {
  const int wanted = DesktopScale(std::getenv("GDK_SCALE"), XftDpi().c_str());
  if (wanted == 1) return DisplayScale(1);
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  return DisplayScale(FittingScale(wanted, width, height, sw, sh));
}

}  // namespace host::fltk
