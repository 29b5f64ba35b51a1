#include "host/fltk/window_shape.h"

#include <FL/x.H>
#include <X11/extensions/shape.h>

#include <algorithm>

#include "host/surface.h"

namespace host::fltk {

void WindowShape::Set(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh, int width,
                      int height) {
  // One band per row of the outline: the rows between the corners merge
  // into one.
  bands_.clear();
  for (int y = std::max(t, 0); y < std::min(b, height); ++y) {
    int from = l;
    while (from < r && !InsideRoundRect(from, y, l, t, r, b, ew, eh)) ++from;
    // The outline is symmetric; what lies outside the window is cut off.
    const int to = static_cast<int>(std::min<int64_t>(int64_t{l} + r - from, width));
    from = std::max(from, 0);
    if (from >= to) continue;
    const Band row{from, y, to - from, 1};
    if (!bands_.empty() && bands_.back().x == row.x && bands_.back().width == row.width &&
        bands_.back().y + bands_.back().height == row.y) {
      ++bands_.back().height;
    } else {
      bands_.push_back(row);
    }
  }
}

void WindowShape::Enlarge(int factor) {
  for (Band& band : bands_)
    band = {band.x * factor, band.y * factor, band.width * factor, band.height * factor};
}

void WindowShape::ApplyTo(Fl_Window& window) const {
  if (bands_.empty() || !window.shown()) return;
  std::vector<XRectangle> rectangles;
  for (const Band& band : bands_)
    rectangles.push_back({static_cast<short>(band.x), static_cast<short>(band.y),
                          static_cast<unsigned short>(band.width),
                          static_cast<unsigned short>(band.height)});
  XShapeCombineRectangles(fl_display, fl_xid(&window), ShapeBounding, 0, 0, rectangles.data(),
                          static_cast<int>(rectangles.size()), ShapeSet, Unsorted);
}

}  // namespace host::fltk
