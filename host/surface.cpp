#include "host/surface.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <system_error>
#ifndef _WIN32
#include <thread>
#endif

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// How far a coordinate lies past where the corners' straight sides end, on
// one axis of the rounded rectangle from p0 to p1 with corner radius r.
double Excess(double p, double p0, double p1, double r) {
  return std::abs(p - (p0 + p1) / 2) - ((p1 - p0) / 2 - r);
}

// Signed distance from point (px, py) to the path of the rounded rectangle
// with corners (x0, y0) and (x1, y1) and corner radii rx, ry: positive
// inside. Elliptic corners are scaled to circles, close enough for pens.
double InsideDistance(double px, double py, double x0, double y0, double x1, double y1, double rx,
                      double ry) {
  const double r = std::max(std::min(rx, ry), 0.0);
  const double sx = rx > 0 ? r / rx : 1.0, sy = ry > 0 ? r / ry : 1.0;
  const double qx = Excess(px, x0, x1, rx), qy = Excess(py, y0, y1, ry);
  const double ox = std::max(qx, 0.0) * sx, oy = std::max(qy, 0.0) * sy;
  // Off the corners one of them is 0, and the root is not needed.
  const double outside = ox == 0 ? oy : oy == 0 ? ox : std::hypot(ox, oy);
  return -(outside + std::min(std::max(qx, qy), 0.0) - r);
}

// More than the rounding of a distance in screen pixels can be off by.
constexpr double kRoundingSlack = 1e-6;

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

// The bytes of a word 0x00RRGGBB lie in memory as blue, green, red, none:
// the enlarged rows are made in that order.
static_assert(std::endian::native == std::endian::little);

// A picture row of RGBA enlarged across to the taps' pixels, four values
// each, blue, green, red and a nought, the shares of their two pixels summed,
// in 256ths.
void EnlargeRow(const uint8_t* from, const std::vector<Tap>& taps, uint16_t* to) {
  for (const Tap& tap : taps) {
    const uint8_t *a = from + tap.first * 4, *b = from + tap.second * 4;
    const int shareA = kWhole - tap.share, shareB = tap.share;
#ifdef __SSE2__
    // All four components at once, in 16 bits, where the sums fit; red and
    // blue change places, and the fourth is cleared.
    uint32_t first, second;
    std::memcpy(&first, a, 4);
    std::memcpy(&second, b, 4);
    const __m128i zero = _mm_setzero_si128();
    const __m128i sum = _mm_add_epi16(
        _mm_mullo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(first)), zero),
                        _mm_set1_epi16(static_cast<int16_t>(shareA))),
        _mm_mullo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(second)), zero),
                        _mm_set1_epi16(static_cast<int16_t>(shareB))));
    const __m128i bgr = _mm_and_si128(_mm_shufflelo_epi16(sum, _MM_SHUFFLE(3, 0, 1, 2)),
                                      _mm_setr_epi16(-1, -1, -1, 0, 0, 0, 0, 0));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to), bgr);
#else
    for (int c = 0; c < 3; ++c) to[2 - c] = static_cast<uint16_t>(a[c] * shareA + b[c] * shareB);
    to[3] = 0;
#endif
    to += 4;
  }
}

// Work on rows from..to-1 of `width` pixels as work(from, to): a large one
// split between this thread and another, so that a second core shortens the
// wait for the first picture. On Windows start.exe's size counts more, and
// the work is done here alone.
template <typename Work>
void InHalves(int from, int to, int width, Work&& work) {
#ifndef _WIN32
  constexpr size_t kWorthAThread = size_t{1} << 18;
  const int middle = from + (to - from) / 2;
  if (static_cast<size_t>(to - from) * static_cast<size_t>(width) >= kWorthAThread &&
      middle > from) {
    std::thread other;
    try {
      other = std::thread(work, middle, to);
    } catch (const std::system_error&) {
      // No thread to be had: all of it here, below.
    }
    if (other.joinable()) {
      work(from, middle);
      other.join();
      return;
    }
  }
#endif
  work(from, to);
}

// A row of screen pixels between two enlarged picture rows, the second's
// share in 256ths: each component rounded from the exact sum.
void BlendRows(const uint16_t* upper, const uint16_t* lower, size_t count, int share, uint8_t* to) {
  const int shareA = kWhole - share, shareB = share;
  size_t i = 0;
#ifdef __SSE2__
  // Eight at a time, as pairs multiplied and summed in 32 bits: the rows are
  // taken less 32768 to fit signed 16 bits, and that is added back whole.
  const __m128i bias16 = _mm_set1_epi16(static_cast<int16_t>(0x8000));
  const __m128i shares = _mm_set1_epi32(shareB << 16 | shareA);
  const __m128i back = _mm_set1_epi32(32768 * (kWhole + 1));
  for (; i + 8 <= count; i += 8) {
    const __m128i a =
        _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + i)), bias16);
    const __m128i b =
        _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + i)), bias16);
    const __m128i low =
        _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(a, b), shares), back), 16);
    const __m128i high =
        _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(a, b), shares), back), 16);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(low, high), _mm_setzero_si128());
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to + i), bytes);
  }
#endif
  for (; i < count; ++i)
    to[i] = static_cast<uint8_t>(
        (uint32_t{upper[i]} * shareA + uint32_t{lower[i]} * shareB + 32768) >> 16);
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

Surface::Surface(int width, int height, std::optional<Rgb> fill, DisplayScale scale)
    : scale_(scale),
      width_(Limit(scale.ToScreen(width), 0, INT32_MAX)),
      height_(Limit(scale.ToScreen(height), 0, INT32_MAX)),
      bottom_(height_),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {
  if (fill) FillBox(0, 0, width, height, *fill);
}

int Surface::Edge(int64_t coordinate, int limit) const {
  return Limit(scale_.ToScreen(coordinate), 0, limit);
}

Surface Surface::Band(int width, int height, DisplayScale scale, int top, int bottom) {
  Surface band(0, 0, std::nullopt, scale);
  band.width_ = Limit(scale.ToScreen(width), 0, INT32_MAX);
  band.height_ = Limit(scale.ToScreen(height), 0, INT32_MAX);
  band.top_ = std::clamp(top, 0, band.height_);
  band.bottom_ = std::clamp(bottom, band.top_, band.height_);
  band.pixels_.resize(static_cast<size_t>(band.width_) * (band.bottom_ - band.top_));
  return band;
}

int Surface::RowEdge(int64_t coordinate) const {
  return Limit(scale_.ToScreen(coordinate), top_, bottom_);
}

void Surface::Plot(int x, int y, Rgb color) {
  if (x < 0 || y < top_ || x >= width_ || y >= bottom_) return;
  Row(y)[x] = WordOf(color);
}

void Surface::DrawPicture(int width, int height, const uint8_t* rgba) {
  if (width <= 0 || height <= 0) return;
  if (scale_ == DisplayScale()) {
    const int w = std::min(width, width_), h = std::min(height, bottom_);
    for (int y = top_; y < h; ++y) {
      const uint8_t* from = rgba + static_cast<size_t>(y) * width * 4;
      uint32_t* to = Row(y);
      for (int x = 0; x < w; ++x, from += 4) to[x] = WordOf({from[0], from[1], from[2]});
    }
    return;
  }
  // Enlarged smoothly: each pixel between the four picture pixels around
  // its centre. Each picture row is enlarged across once, as the rows below
  // it need it.
  const int w = Edge(width, width_), h = Edge(height, height_);
  const std::vector<Tap> across = Taps(w, width, scale_), down = Taps(h, height, scale_);
  const size_t values = static_cast<size_t>(w) * 4;
  auto enlargeRows = [&](int from, int to) {
    std::vector<uint16_t> upper(values), lower(values);
    int upperRow = -1, lowerRow = -1;
    auto enlargeRow = [&](int row, std::vector<uint16_t>& into) {
      EnlargeRow(rgba + static_cast<size_t>(row) * width * 4, across, into.data());
    };
    for (int y = from; y < to; ++y) {
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
      BlendRows(upper.data(), lower.data(), values, tap.share, reinterpret_cast<uint8_t*>(Row(y)));
    }
  };
  InHalves(std::min(top_, h), std::min(bottom_, h), w, enlargeRows);
}

void Surface::FillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) {
  const int left = Edge(std::min(x1, x2), width_);
  const int right = Edge(std::max(x1, x2), width_);
  const int top = RowEdge(std::min(y1, y2));
  const int bottom = RowEdge(std::max(y1, y2));
  if (left >= right || top >= bottom) return;
  for (int y = top; y < bottom; ++y) std::fill_n(Row(y) + left, right - left, WordOf(color));
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
  const int rowFrom = Limit(std::floor(scaled(top - reach)), top_, bottom_);
  const int rowTo = Limit(std::ceil(scaled(bottom + reach)), top_, bottom_);
  const int colFrom = Limit(std::floor(scaled(left - reach)), 0, width_);
  const int colTo = Limit(std::ceil(scaled(right + reach)), 0, width_);
  auto offset = [&](int x, int y) {
    return InsideDistance(x + 0.5, y + 0.5, x0, y0, x1, y1, rx, ry) - lean;
  };
  auto inkedAt = [&](double off) {
    return off < half && (off > -half || (off == -half && outerEdgeTakes));
  };
  auto inked = [&](int x, int y) { return inkedAt(offset(x, y)); };
  auto forSpan = [&](double from, double to, auto&& step) {
    for (int x = Limit(std::floor(from), colFrom, colTo); x < Limit(std::ceil(to), colFrom, colTo);
         ++x)
      step(x);
  };
  // Along a row the distance changes by a pixel a pixel at most: the pixels
  // nearer a bare one than it is from the pen's edge are bare too.
  auto paintSpan = [&](int y, double from, double to) {
    const int end = Limit(std::ceil(to), colFrom, colTo);
    for (int x = Limit(std::floor(from), colFrom, colTo); x < end;) {
      const double off = offset(x, y);
      if (inkedAt(off)) {
        Plot(x, y, pen);
        ++x;
      } else {
        x += std::max(1.0, std::ceil(std::abs(off) - half - kRoundingSlack));
      }
    }
  };
  // The columns the sides' pen may cross in a middle row.
  const std::pair<double, double> sides[] = {{scaled(left - reach), scaled(left + reach + 1)},
                                             {scaled(right - reach - 1), scaled(right + reach)}};
  // A middle row no nearer the top or bottom than any of those columns is to
  // its side is as far from the path as its columns are from the sides: the
  // same in every such row, so the first of them tells for the rest.
  double sideExcess = INFINITY;
  for (const auto& [from, to] : sides)
    forSpan(from, to,
            [&](int x) { sideExcess = std::min(sideExcess, Excess(x + 0.5, x0, x1, rx)); });
  std::vector<int> sideColumns;
  bool sideColumnsKnown = false;
  auto sidesAlone = [&](int y) {
    const double excess = Excess(y + 0.5, y0, y1, ry);
    if (excess > 0 || excess > sideExcess) return false;
    for (const auto& [from, to] : sides)
      forSpan(from, to, [&](int x) {
        if (!sideColumnsKnown && inked(x, y)) sideColumns.push_back(x);
      });
    sideColumnsKnown = true;
    return true;
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
    } else if (sidesAlone(y)) {
      for (int x : sideColumns) Plot(x, y, pen);
    } else {  // only the two sides cross the middle rows
      for (const auto& [from, to] : sides) paintSpan(y, from, to);
    }
  }
}

void Surface::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  const int left = Edge(std::min(from.x, to.x), width_);
  const int right = Edge(std::max(from.x, to.x), width_);
  const int top = RowEdge(std::min(from.y, to.y));
  const int bottom = RowEdge(std::max(from.y, to.y));
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
