// A window's image as the screen shows it at a display scale above 1: the
// background picture enlarged smoothly, so the artwork does not look blocky,
// and everything the program drew over it enlarged by repeating pixels, so
// that its lines and rings stay sharp.
#pragma once

#include <cstdint>
#include <vector>

#include "host/surface.h"

namespace host::fltk {

class ScaledImage {
 public:
  explicit ScaledImage(int factor) : factor_(factor) {}

  // The picture beneath all drawing, as the image holds it before any: its
  // smooth enlargement is made once, here.
  void SetPicture(const Surface& picture);
  // `image` enlarged, RGB top-down; made again only when `image` differs
  // from the one last asked for.
  const uint8_t* Of(const Surface& image);

 private:
  int factor_;
  Surface picture_{0, 0};
  std::vector<uint8_t> smooth_;  // the picture, enlarged smoothly
  Surface last_{0, 0};
  std::vector<uint8_t> shown_;
};

// `image` enlarged `factor` times by blending the nearest pixels, each
// output pixel from where its centre falls in the source.
std::vector<uint8_t> EnlargeSmoothly(const Surface& image, int factor);

}  // namespace host::fltk
