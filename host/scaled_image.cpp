#include "host/scaled_image.h"

#include <algorithm>
#include <memory>

namespace host {

ScaledImage::ScaledImage(int width, int height, Rgb face, DisplayScale scale)
    : width_(width), height_(height), face_(face), image_(width, height, face) {
  Rescale(scale);
}

void ScaledImage::Rescale(DisplayScale scale) {
  if (scale == DisplayScale()) {
    screen_.reset();
    return;
  }
  screen_.emplace(width_, height_, face_, scale);
  for (const Call& call : calls_) call(*screen_);
}

void ScaledImage::Draw(Call call, bool coversAll) {
  call(image_);
  if (screen_) call(*screen_);
  if (coversAll) calls_.clear();
  calls_.push_back(std::move(call));
}

bool ScaledImage::Covers(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  return left <= 0 && top <= 0 && right >= width_ && bottom >= height_;
}

void ScaledImage::DrawPicture(int width, int height, const uint8_t* rgba) {
  // Kept by the call: the caller's pixels are often temporaries. Shared, so
  // that a copy of the image does not copy the picture.
  const size_t bytes = width > 0 && height > 0 ? size_t(width) * size_t(height) * 4 : 0;
  auto pixels = std::make_shared<const std::vector<uint8_t>>(rgba, rgba + bytes);
  Draw([=](Surface& surface) { surface.DrawPicture(width, height, pixels->data()); },
       Covers(0, 0, width, height));
}

void ScaledImage::FillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) {
  Draw([=](Surface& surface) { surface.FillBox(x1, y1, x2, y2, color); },
       Covers(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)));
}

void ScaledImage::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                            int32_t ellipseWidth, int32_t ellipseHeight, int penWidth, Rgb pen) {
  Draw([=](Surface& surface) {
    surface.RoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight, penWidth, pen);
  });
}

void ScaledImage::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  Draw([=](Surface& surface) { surface.GradientFill(from, to, vertical); });
}

}  // namespace host
