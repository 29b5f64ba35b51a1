#include "host/fltk/screen_pixels.h"

#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xutil.h>

#include <bit>
#include <vector>

namespace host::fltk {

namespace {

// Whether the screen keeps pixels as 32-bit words of this machine's byte
// order with red, green and blue in the low three bytes.
bool TakesWordsAsTheyAre(const XImage& image) {
  const Visual& visual = *fl_visual->visual;
  const int native = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  return image.bits_per_pixel == 32 && image.byte_order == native && visual.red_mask == 0xFF0000 &&
         visual.green_mask == 0xFF00 && visual.blue_mask == 0xFF;
}

}  // namespace

void DrawPixelWords(const uint32_t* pixels, int width, int height) {
  XImage* image = XCreateImage(fl_display, fl_visual->visual, fl_visual->depth, ZPixmap, 0,
                               reinterpret_cast<char*>(const_cast<uint32_t*>(pixels)), width,
                               height, 32, width * 4);
  if (image && TakesWordsAsTheyAre(*image)) {
    XPutImage(fl_display, fl_window, fl_gc, image, 0, 0, 0, 0, width, height);
  } else {
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i)
      rgb.insert(rgb.end(),
                 {static_cast<uint8_t>(pixels[i] >> 16), static_cast<uint8_t>(pixels[i] >> 8),
                  static_cast<uint8_t>(pixels[i])});
    fl_draw_image(rgb.data(), 0, 0, width, height, 3);
  }
  if (image) {
    image->data = nullptr;  // the pixels are the caller's
    XDestroyImage(image);
  }
}

}  // namespace host::fltk
