#include "host/fltk/scaled_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace host::fltk {

namespace {

constexpr int kOne = 256;  // blend weights in 256ths

// Where output pixel i of an axis of `size` source pixels enlarged `factor`
// times takes its colour: the two nearest source pixels and the weight of
// the second.
struct Tap {
  int first, second, weight;
};

std::vector<Tap> Taps(int size, int factor) {
  std::vector<Tap> taps;
  for (int i = 0; i < size * factor; ++i) {
    const double at = (i + 0.5) / factor - 0.5;
    const int first = static_cast<int>(std::floor(at));
    const int weight = static_cast<int>(std::lround((at - first) * kOne));
    taps.push_back({std::clamp(first, 0, size - 1), std::clamp(first + 1, 0, size - 1), weight});
  }
  return taps;
}

bool SameBytes(const Surface& a, const Surface& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::memcmp(a.data(), b.data(), static_cast<size_t>(a.width()) * a.height() * 3) == 0;
}

}  // namespace

std::vector<uint8_t> EnlargeSmoothly(const Surface& image, int factor) {
  const int width = image.width() * factor;
  const std::vector<Tap> across = Taps(image.width(), factor);
  const std::vector<Tap> down = Taps(image.height(), factor);
  const uint8_t* source = image.data();
  const size_t stride = static_cast<size_t>(image.width()) * 3;
  std::vector<uint8_t> out(static_cast<size_t>(width) * down.size() * 3);
  uint8_t* to = out.data();
  for (const Tap& row : down) {
    const uint8_t* upper = source + static_cast<size_t>(row.first) * stride;
    const uint8_t* lower = source + static_cast<size_t>(row.second) * stride;
    for (const Tap& column : across) {
      const int a = column.first * 3, b = column.second * 3;
      for (int c = 0; c < 3; ++c) {
        const int top = upper[a + c] * (kOne - column.weight) + upper[b + c] * column.weight;
        const int bottom = lower[a + c] * (kOne - column.weight) + lower[b + c] * column.weight;
        *to++ = static_cast<uint8_t>(
            (top * (kOne - row.weight) + bottom * row.weight + kOne * kOne / 2) / (kOne * kOne));
      }
    }
  }
  return out;
}

void ScaledImage::SetPicture(const Surface& picture) {
  picture_ = picture;
  smooth_ = EnlargeSmoothly(picture, factor_);
  last_ = Surface(0, 0);
}

const uint8_t* ScaledImage::Of(const Surface& image) {
  if (SameBytes(image, last_)) return shown_.data();
  last_ = image;
  const int f = factor_;
  const size_t outStride = static_cast<size_t>(image.width()) * f * 3;
  shown_.assign(outStride * image.height() * f, 0);
  const bool hasPicture = picture_.width() == image.width() && picture_.height() == image.height();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb pixel = image.at(x, y);
      const bool drawn = !hasPicture || pixel != picture_.at(x, y);
      for (int dy = 0; dy < f; ++dy) {
        const size_t at =
            (static_cast<size_t>(y) * f + dy) * outStride + static_cast<size_t>(x) * f * 3;
        if (!drawn) {
          std::memcpy(&shown_[at], &smooth_[at], static_cast<size_t>(f) * 3);
          continue;
        }
        for (int dx = 0; dx < f; ++dx) {
          shown_[at + dx * 3] = pixel.r;
          shown_[at + dx * 3 + 1] = pixel.g;
          shown_[at + dx * 3 + 2] = pixel.b;
        }
      }
    }
  }
  return shown_.data();
}

}  // namespace host::fltk
