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
  const double ox = std::max(qx, 0.0) * sx, oy = std::max(qy, 0.0) * sy;
  // Off the corners one of them is 0, and the root is not needed.
  const double outside = ox == 0 ? oy : oy == 0 ? ox : std::hypot(ox, oy);
  return -(outside + std::min(std::max(qx, qy), 0.0) - r);
}

uint8_t Component(int32_t value16) { return static_cast<uint8_t>((value16 & 0xFFFF) >> 8); }

// Coordinates reach the edge of the 32-bit range; sums and differences of
// them are taken in 64 bits, or as reals once scaled, and then limited to
// the surface.
int Limit(int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<int64_t>(value, low, high));
}
int Limit(double value, int low, int high) {
  return static_cast<int>(std::clamp<double>(value, low, high));
}

// Where a screen pixel of an enlarged picture lies between two of its
// pixels: their places and the second one's share, in 256ths.
struct Tap {
  int first, second, share;
};
constexpr int kWhole = 256;

// The taps of `screenLength` pixels over a picture `length` pixels long:
// each pixel's centre taken back to the picture, its edges repeated.
std::vector<Tap> Taps(int screenLength, int length, DisplayScale scale) {
  std::vector<Tap> taps(static_cast<size_t>(screenLength));
  for (int i = 0; i < screenLength; ++i) {
    const double at = (i + 0.5) / scale.factor() - 0.5;
    const double first = std::floor(at);
    const int share = static_cast<int>(std::lround((at - first) * kWhole));
    const int left = static_cast<int>(first);
    taps[static_cast<size_t>(i)] = {std::clamp(left, 0, length - 1),
                                    std::clamp(left + 1, 0, length - 1), share};
  }
  return taps;
}

}  // namespace

Rgb ResolveColor(Color color) {
  const auto bits = static_cast<uint32_t>(color);
  if (bits & kSystemColorFlag) return SystemColor(bits & 0xFF);
  return FromBgr(bits);
}

// In screen pixels: the rectangle and corners times the scale, the pixel by
// its centre. Sums of the scale's quarters are exact in binary, so pixels
// mirrored about the rectangle's middle come out alike.
bool InsideRoundRect(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     int32_t ellipseWidth, int32_t ellipseHeight, DisplayScale scale) {
  const double s = scale.factor();
  const double px = x + 0.5, py = y + 0.5;
  const double l = s * left, t = s * top, r = s * right, b = s * bottom;
  if (px < l || px >= r || py < t || py >= b) return false;
  const double rx = s * std::min<double>(ellipseWidth, static_cast<double>(right) - left) / 2.0;
  const double ry = s * std::min<double>(ellipseHeight, static_cast<double>(bottom) - top) / 2.0;
  if (rx <= 0 || ry <= 0) return true;
  const double cx = std::clamp(px, l + rx, r - rx);
  const double cy = std::clamp(py, t + ry, b - ry);
  const double nx = (px - cx) / rx, ny = (py - cy) / ry;
  return nx * nx + ny * ny <= 1.0;
}

Surface::Surface(int width, int height, Rgb fill, DisplayScale scale)
    : scale_(scale),
      width_(Limit(scale.ToScreen(width), 0, INT32_MAX)),
      height_(Limit(scale.ToScreen(height), 0, INT32_MAX)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3) {
  FillBox(0, 0, width, height, fill);
}

int Surface::Edge(int64_t coordinate, int limit) const {
  return Limit(scale_.ToScreen(coordinate), 0, limit);
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
  if (width <= 0 || height <= 0) return;
  if (scale_ == DisplayScale()) {
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
    return;
  }
  // Enlarged smoothly: each pixel between the four picture pixels around
  // its centre. Each picture row is enlarged across once, as the rows below
  // it need it.
  const int w = Edge(width, width_), h = Edge(height, height_);
  const std::vector<Tap> across = Taps(w, width, scale_), down = Taps(h, height, scale_);
  std::vector<uint16_t> upper(static_cast<size_t>(w) * 3), lower(upper.size());
  int upperRow = -1, lowerRow = -1;
  auto enlargeRow = [&](int row, std::vector<uint16_t>& into) {
    const uint8_t* from = rgba + static_cast<size_t>(row) * width * 4;
    uint16_t* to = into.data();
    for (const Tap& tap : across) {
      const uint8_t *a = from + tap.first * 4, *b = from + tap.second * 4;
      for (int c = 0; c < 3; ++c)
        *to++ = static_cast<uint16_t>(a[c] * (kWhole - tap.share) + b[c] * tap.share);
    }
  };
  for (int y = 0; y < h; ++y) {
    const Tap& tap = down[static_cast<size_t>(y)];
    if (upperRow != tap.first) {
      if (lowerRow == tap.first) {
        std::swap(upper, lower);
        std::swap(upperRow, lowerRow);
      } else {
        enlargeRow(tap.first, upper);
        upperRow = tap.first;
      }
    }
    if (lowerRow != tap.second) {
      enlargeRow(tap.second, lower);
      lowerRow = tap.second;
    }
    // Plain pointers: written through bytes, vectors would be read anew.
    uint8_t* to = &pixels_[static_cast<size_t>(y) * width_ * 3];
    const uint16_t *a = upper.data(), *b = lower.data();
    const uint32_t shareA = kWhole - tap.share, shareB = tap.share;
    for (size_t i = 0, n = upper.size(); i < n; ++i)
      to[i] = static_cast<uint8_t>((a[i] * shareA + b[i] * shareB + 32768) >> 16);
  }
}

void Surface::FillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) {
  const int left = Edge(std::min(x1, x2), width_);
  const int right = Edge(std::max(x1, x2), width_);
  const int top = Edge(std::min(y1, y2), height_);
  const int bottom = Edge(std::max(y1, y2), height_);
  if (left >= right || top >= bottom) return;
  // One row painted, then copied: a large image fills at memory speed.
  for (int x = left; x < right; ++x) Plot(x, top, color);
  const size_t rowBytes = static_cast<size_t>(right - left) * 3;
  const uint8_t* first = &pixels_[(static_cast<size_t>(top) * width_ + left) * 3];
  for (int y = top + 1; y < bottom; ++y)
    std::copy_n(first, rowBytes, &pixels_[(static_cast<size_t>(y) * width_ + left) * 3]);
}

void Surface::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                        int32_t ellipseWidth, int32_t ellipseHeight, int penWidth, Rgb pen) {
  if (right <= left || bottom <= top) return;
  // The path runs through the centres of the outermost pixels; a pen of
  // even width leans inward by half a pixel. At a scale, all of it in screen
  // pixels: each pixel takes the pen when its centre lies under it.
  const double s = scale_.factor();
  const double x0 = s * (left + 0.5), y0 = s * (top + 0.5);
  const double x1 = s * (right - 0.5), y1 = s * (bottom - 0.5);
  const double rx = s * std::min<double>(ellipseWidth, static_cast<double>(right) - left) / 2.0;
  const double ry = s * std::min<double>(ellipseHeight, static_cast<double>(bottom) - top) / 2.0;
  const int width = std::max(penWidth, 1);
  const double half = s * width / 2.0, lean = width % 2 == 0 ? s / 2 : 0.0;
  const int64_t reach = width + 1;
  // A centre on the pen's outer edge takes it too, so that where two rings
  // meet the pixel goes to the later one, alike on every side. At scale 1
  // such centres lie only in odd corners, and are left bare there as always.
  const bool outerEdgeTakes = scale_ != DisplayScale();
  auto scaled = [&](int64_t coordinate) { return s * static_cast<double>(coordinate); };
  const int rowFrom = Limit(std::floor(scaled(top - reach)), 0, height_);
  const int rowTo = Limit(std::ceil(scaled(bottom + reach)), 0, height_);
  const int colFrom = Limit(std::floor(scaled(left - reach)), 0, width_);
  const int colTo = Limit(std::ceil(scaled(right + reach)), 0, width_);
  auto inked = [&](int x, int y) {
    const double off = InsideDistance(x + 0.5, y + 0.5, x0, y0, x1, y1, rx, ry) - lean;
    return off < half && (off > -half || (off == -half && outerEdgeTakes));
  };
  auto paintSpan = [&](int y, double from, double to) {
    for (int x = Limit(std::floor(from), colFrom, colTo); x < Limit(std::ceil(to), colFrom, colTo);
         ++x)
      if (inked(x, y)) Plot(x, y, pen);
  };
  // Between the corners, a pixel of a row near the top or bottom lies a
  // pen's reach and more from the sides: it is as far from the path as the
  // others there, and one of them tells for all.
  const int middleFrom = Limit(std::ceil(scaled(left + reach + 1) + rx - 0.5), colFrom, colTo);
  const int middleTo = Limit(std::floor(scaled(right - reach - 1) - rx - 0.5) + 1, colFrom, colTo);
  for (int y = rowFrom; y < rowTo; ++y) {
    const bool nearTopOrBottom =
        y < scaled(top + reach) + ry || y >= scaled(int64_t{bottom} - reach) - ry;
    if (nearTopOrBottom && middleFrom < middleTo) {
      paintSpan(y, colFrom, middleFrom);
      if (inked(middleFrom, y))
        for (int x = middleFrom; x < middleTo; ++x) Plot(x, y, pen);
      paintSpan(y, middleTo, colTo);
    } else if (nearTopOrBottom) {
      paintSpan(y, colFrom, colTo);
    } else {  // only the two sides cross the middle rows
      paintSpan(y, scaled(left - reach), scaled(left + reach + 1));
      paintSpan(y, scaled(right - reach - 1), scaled(right + reach));
    }
  }
}

void Surface::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  const int left = Edge(std::min(from.x, to.x), width_);
  const int right = Edge(std::max(from.x, to.x), width_);
  const int top = Edge(std::min(from.y, to.y), height_);
  const int bottom = Edge(std::max(from.y, to.y), height_);
  const int64_t span = vertical ? int64_t{to.y} - from.y : int64_t{to.x} - from.x;
  auto mix = [&](int16_t a, int16_t b, double t) {
    const double va = a & 0xFFFF, vb = b & 0xFFFF;
    return Component(static_cast<int32_t>(va + (vb - va) * t));
  };
  // A pixel's place in the program's pixels: its centre taken back, less
  // half a pixel; the pixel itself at scale 1.
  auto place = [&](int pixel) { return (pixel + 0.5) / scale_.factor() - 0.5; };
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const double offset = vertical ? place(y) - from.y : place(x) - from.x;
      // Held to the ends: at a scale, a pixel's centre may lie a little
      // before the first program pixel's own place.
      const double t = span == 0 ? 0.0 : std::clamp(offset / span, 0.0, 1.0);
      Plot(x, y,
           Rgb{mix(from.Red, to.Red, t), mix(from.Green, to.Green, t), mix(from.Blue, to.Blue, t)});
    }
  }
}

}  // namespace host
