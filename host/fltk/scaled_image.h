// A window's image as the screen shows it at a display scale above 1: the
// background picture enlarged smoothly, so the artwork does not look blocky,
// and everything the program drew over it enlarged by repeating pixels, so
// that its lines and rings stay sharp.
#pragma once

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "host/surface.h"

namespace host::fltk {

class ScaledImage {
 public:
  explicit ScaledImage(int factor) : factor_(factor) {}
  ~ScaledImage();
  ScaledImage(const ScaledImage&) = delete;
  ScaledImage& operator=(const ScaledImage&) = delete;

  // The picture beneath all drawing, as the image holds it before any. Its
  // enlargement begins at once on two other threads, while the window is
  // being shown.
  void SetPicture(const Surface& picture);
  // `image` enlarged, top-down, one 0x00RRGGBB word a pixel: the form a
  // 24-bit X screen takes without conversion. Only the pixels that changed
  // since the last image are enlarged again, and none on a repaint of the
  // same image. Without a picture of its size, all of it counts as drawing.
  const uint32_t* Of(const Surface& image);

  // Where output pixel i of an axis takes its colour: the two source pixels
  // nearest its centre and the weight of the second, in 256ths.
  struct Tap {
    int first, second, weight;
  };

 private:
  // Enlarges the picture's output rows from..to-1.
  void EnlargeRows(size_t from, size_t to);
  void Finish();
  // Enlarges source pixel (x, y) of `image` again: smoothly from the picture
  // where it shows the picture, else repeated.
  void Reshow(const Surface& image, int x, int y);

  int factor_;
  Surface picture_{0, 0};
  std::vector<Tap> across_, down_;
  std::thread enlarging_[2];   // a half of the picture each
  Surface last_{0, 0};         // the image shown_ holds
  bool showsPicture_ = false;  // or the picture alone, before any image
  std::unique_ptr<uint32_t[]> shown_;
};

}  // namespace host::fltk
