#include "host/fltk/window_shape.h"

#include <FL/x.H>
#include <X11/extensions/shape.h>

#include <algorithm>

#include "host/surface.h"

namespace host::fltk {

void WindowShape::Set(const RoundShape& shape, DisplayScale scale, int width, int height) {
  const auto& [l, t, r, b, ew, eh] = shape;
  auto inside = [&](int x, int y) { return InsideRoundRect(x, y, l, t, r, b, ew, eh, scale); };
  // One band per row of the outline, what lies outside the window cut off:
  // the rows between the corners merge into one.
  bands_.clear();
  const int top = static_cast<int>(std::clamp<int64_t>(scale.ToScreen(t) - 1, 0, height));
  const int bottom = static_cast<int>(std::clamp<int64_t>(scale.ToScreen(b) + 1, 0, height));
  const int left = static_cast<int>(std::clamp<int64_t>(scale.ToScreen(l) - 1, 0, width));
  const int right = static_cast<int>(std::clamp<int64_t>(scale.ToScreen(r) + 1, 0, width));
  for (int y = top; y < bottom; ++y) {
    int from = left, to = right;
    while (from < to && !inside(from, y)) ++from;
    while (to > from && !inside(to - 1, y)) --to;
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
