#include "host/fltk/canvas.h"

#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace host::fltk {

namespace {

// Whether the screen takes pixels as 32-bit words 0x00RRGGBB in this
// program's byte order: the usual X visual, which FLTK would reach only
// after converting the image, row by row, at every scale's size.
bool TakesWordsAsIs() {
  const Visual* visual = fl_visual->visual;
  // Words in a little-endian program's order, as the server takes them.
  if (__BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__ || ImageByteOrder(fl_display) != LSBFirst)
    return false;
  if (fl_visual->c_class != TrueColor || (fl_visual->depth != 24 && fl_visual->depth != 32) ||
      visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
    return false;
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(fl_display, &count);
  bool words = false;
  for (int i = 0; i < count; ++i)
    if (formats[i].depth == fl_visual->depth) words = formats[i].bits_per_pixel == 32;
  if (formats) XFree(formats);
  return words;
}

// Pixels in words of their own, in bands of about this many: small enough to
// stay in the cache and to need no fresh pages, which cost more at a large
// scale than the words themselves.
constexpr int kBandPixels = 1 << 16;

// A row of RGB as words: four bytes read at once, the next pixel's red with
// them, and turned round (a little-endian program's order): 0xRRGGBBxx,
// shifted into place.
void RowToWordsByBytes(const uint8_t* from, int width, uint32_t* to) {
  for (int x = 0; x + 1 < width; ++x, from += 3) {
    uint32_t bytes;
    std::memcpy(&bytes, from, sizeof bytes);
    to[x] = __builtin_bswap32(bytes) >> 8;
  }
  to[width - 1] = uint32_t{from[0]} << 16 | uint32_t{from[1]} << 8 | from[2];
}

#if defined(__x86_64__) || defined(__i386__)
// Four pixels at once, their bytes shuffled into words: found in every x86
// processor since 2006, asked for all the same.
__attribute__((target("ssse3"))) void RowToWordsShuffled(const uint8_t* from, int width,
                                                         uint32_t* to) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
  int x = 0;
  // Sixteen bytes read for twelve: the last pixels are left to the bytes' way.
  for (; x + 6 <= width; x += 4, from += 12)
    _mm_storeu_si128(
        reinterpret_cast<__m128i*>(to + x),
        _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), order));
  RowToWordsByBytes(from, width - x, to + x);
}

void RowToWords(const uint8_t* from, int width, uint32_t* to) {
  static const bool shuffles = __builtin_cpu_supports("ssse3");
  if (shuffles)
    RowToWordsShuffled(from, width, to);
  else
    RowToWordsByBytes(from, width, to);
}
#else
void RowToWords(const uint8_t* from, int width, uint32_t* to) {
  RowToWordsByBytes(from, width, to);
}
#endif

// The image handed to the server as words, which it stores as they are.
void PutWords(const Surface& image) {
  const int width = image.width(), height = image.height();
  const int band = std::clamp(kBandPixels / width, 1, height);
  std::unique_ptr<uint32_t[]> words(new uint32_t[static_cast<size_t>(width) * band]);
  XImage* put = XCreateImage(fl_display, fl_visual->visual, fl_visual->depth, ZPixmap, 0,
                             reinterpret_cast<char*>(words.get()), width, band, 32, 0);
  if (!put) {
    fl_draw_image(image.data(), 0, 0, width, height, 3);
    return;
  }
  const int left = static_cast<int>(std::lround(fl_transform_x(0, 0)));
  const int top = static_cast<int>(std::lround(fl_transform_y(0, 0)));
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  for (int y = 0; y < height; y += band) {
    const int rows = std::min(band, height - y);
    for (int row = 0; row < rows; ++row)
      RowToWords(image.data() + (static_cast<size_t>(y) + row) * rowBytes, width,
                 &words[static_cast<size_t>(row) * width]);
    XPutImage(fl_display, fl_window, fl_gc, put, 0, 0, left, top + y, width, rows);
  }
  put->data = nullptr;  // the words are ours to free
  XDestroyImage(put);
}

}  // namespace

void PaintImage(const Surface& image) {
  static const bool words = TakesWordsAsIs();
  if (words && image.width() > 0 && image.height() > 0)
    PutWords(image);
  else
    fl_draw_image(image.data(), 0, 0, image.width(), image.height(), 3);
}

}  // namespace host::fltk
