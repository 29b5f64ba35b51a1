#include "host/surface.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

constexpr uint32_t kSystemColorFlag = 0x80000000u;

Rgb FromBgr(uint32_t bgr) {
  return Rgb{static_cast<uint8_t>(bgr & 0xFF), static_cast<uint8_t>((bgr >> 8) & 0xFF),
             static_cast<uint8_t>((bgr >> 16) & 0xFF)};
}

// The classic desktop scheme: window white, text black, 3-D faces grey.
Rgb SystemColor(uint32_t index) {
  switch (index) {
    case 5:  // window background
      return {255, 255, 255};
    case 15:  // button face
    case 4:   // menu
      return {212, 208, 200};
    case 16:  // button shadow
      return {128, 128, 128};
    case 13:  // highlight
      return {10, 36, 106};
    case 14:  // highlight text
    case 20:  // button highlight
      return {255, 255, 255};
    default:  // window text, button text and the rest of the texts
      return {0, 0, 0};
  }
}

// Signed distance from point (px, py) to the path of the rounded rectangle
// with corners (x0, y0) and (x1, y1) and corner radii rx, ry: positive
// inside. Elliptic corners are scaled to circles, close enough for pens.
double InsideDistance(double px, double py, double x0, double y0, double x1, double y1, double rx,
                      double ry) {
  const double r = std::max(std::min(rx, ry), 0.0);
  const double sx = rx > 0 ? r / rx : 1.0, sy = ry > 0 ? r / ry : 1.0;
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const double qx = std::abs(px - cx) - ((x1 - x0) / 2 - rx);
  const double qy = std::abs(py - cy) - ((y1 - y0) / 2 - ry);
  const double outside = std::hypot(std::max(qx, 0.0) * sx, std::max(qy, 0.0) * sy);
  return -(outside + std::min(std::max(qx, qy), 0.0) - r);
}

uint8_t Component(int32_t value16) { return static_cast<uint8_t>((value16 & 0xFFFF) >> 8); }

// Coordinates reach the edge of the 32-bit range; sums and differences of
// them are taken in 64 bits and then limited to the surface.
int Limit(int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<int64_t>(value, low, high));
}

}  // namespace

Rgb ResolveColor(Color color) {
  const auto bits = static_cast<uint32_t>(color);
  if (bits & kSystemColorFlag) return SystemColor(bits & 0xFF);
  return FromBgr(bits);
}

bool InsideRoundRect(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     int32_t ellipseWidth, int32_t ellipseHeight) {
  if (x < left || x >= right || y < top || y >= bottom) return false;
  const double rx = std::min<double>(ellipseWidth, static_cast<double>(right) - left) / 2.0;
  const double ry = std::min<double>(ellipseHeight, static_cast<double>(bottom) - top) / 2.0;
  if (rx <= 0 || ry <= 0) return true;
  const double px = x + 0.5, py = y + 0.5;
  const double cx = std::clamp(px, left + rx, right - rx);
  const double cy = std::clamp(py, top + ry, bottom - ry);
  const double nx = (px - cx) / rx, ny = (py - cy) / ry;
  return nx * nx + ny * ny <= 1.0;
}

Surface::Surface(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3) {
  FillBox(0, 0, width_, height_, fill);
}

Rgb Surface::at(int x, int y) const {
  const uint8_t* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 3];
  return {p[0], p[1], p[2]};
}

void Surface::Plot(int x, int y, Rgb color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 3];
  p[0] = color.r;
  p[1] = color.g;
  p[2] = color.b;
}

void Surface::DrawPicture(int width, int height, const uint8_t* rgba) {
  const int w = std::min(width, width_), h = std::min(height, height_);
  for (int y = 0; y < h; ++y) {
    const uint8_t* from = rgba + static_cast<size_t>(y) * width * 4;
    uint8_t* to = &pixels_[static_cast<size_t>(y) * width_ * 3];
    for (int x = 0; x < w; ++x, from += 4, to += 3) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
}

void Surface::FillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) {
  const int left = std::clamp(std::min(x1, x2), 0, width_);
  const int right = std::clamp(std::max(x1, x2), 0, width_);
  const int top = std::clamp(std::min(y1, y2), 0, height_);
  const int bottom = std::clamp(std::max(y1, y2), 0, height_);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Plot(x, y, color);
}

void Surface::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                        int32_t ellipseWidth, int32_t ellipseHeight, int penWidth, Rgb pen) {
  if (right <= left || bottom <= top) return;
  // The path runs through the centres of the outermost pixels; a pen of
  // even width leans inward by half a pixel.
  const double x0 = left + 0.5, y0 = top + 0.5, x1 = right - 0.5, y1 = bottom - 0.5;
  const double rx = std::min<double>(ellipseWidth, static_cast<double>(right) - left) / 2.0;
  const double ry = std::min<double>(ellipseHeight, static_cast<double>(bottom) - top) / 2.0;
  const int width = std::max(penWidth, 1);
  const double half = width / 2.0, lean = width % 2 == 0 ? 0.5 : 0.0;
  const int64_t reach = width + 1;
  const int rowFrom = Limit(top - reach, 0, height_), rowTo = Limit(bottom + reach, 0, height_);
  const int colFrom = Limit(left - reach, 0, width_), colTo = Limit(right + reach, 0, width_);
  auto paintSpan = [&](int y, int64_t from, int64_t to) {
    for (int x = Limit(from, colFrom, colTo); x < Limit(to, colFrom, colTo); ++x) {
      const double inside = InsideDistance(x + 0.5, y + 0.5, x0, y0, x1, y1, rx, ry);
      if (std::abs(inside - lean) < half) Plot(x, y, pen);
    }
  };
  for (int y = rowFrom; y < rowTo; ++y) {
    const bool nearTopOrBottom = y < top + ry + reach || y >= bottom - ry - reach;
    if (nearTopOrBottom) {
      paintSpan(y, colFrom, colTo);
    } else {  // only the two sides cross the middle rows
      paintSpan(y, left - reach, left + reach + 1);
      paintSpan(y, right - reach - 1, right + reach);
    }
  }
}

void Surface::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  const int left = std::clamp(std::min(from.x, to.x), 0, width_);
  const int right = std::clamp(std::max(from.x, to.x), 0, width_);
  const int top = std::clamp(std::min(from.y, to.y), 0, height_);
  const int bottom = std::clamp(std::max(from.y, to.y), 0, height_);
  const int64_t span = vertical ? int64_t{to.y} - from.y : int64_t{to.x} - from.x;
  auto mix = [&](int16_t a, int16_t b, double t) {
    const double va = a & 0xFFFF, vb = b & 0xFFFF;
    return Component(static_cast<int32_t>(va + (vb - va) * t));
  };
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const int64_t offset = vertical ? int64_t{y} - from.y : int64_t{x} - from.x;
      const double t = span == 0 ? 0.0 : static_cast<double>(offset) / span;
      Plot(x, y,
           Rgb{mix(from.Red, to.Red, t), mix(from.Green, to.Green, t), mix(from.Blue, to.Blue, t)});
    }
  }
}

}  // namespace host
