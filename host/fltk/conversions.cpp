#include "host/fltk/conversions.h"

#include <FL/fl_draw.H>

#include "host/surface.h"

namespace host::fltk {

namespace {
constexpr int kDefaultFontPixels = 13;  // the list's and untitled labels' face
constexpr int kBoldWeight = 700;
}  // namespace

Fl_Color ToFlColor(Color color) {
  const Rgb rgb = ResolveColor(color);
  return fl_rgb_color(rgb.r, rgb.g, rgb.b);
}

Fl_Font FontOf(const ControlDesign& design) {
  return design.font && design.font->weight >= kBoldWeight ? FL_HELVETICA_BOLD : FL_HELVETICA;
}

int FontSizeOf(const ControlDesign& design, DisplayScale scale) {
  return design.font ? FontPixels(design.font->points, scale) : scale.Scaled(kDefaultFontPixels);
}

}  // namespace host::fltk
