#include "host/fltk/scaled_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace host::fltk {

namespace {

constexpr int kOne = 256;  // blend weights in 256ths
using Tap = ScaledImage::Tap;

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

// One source row enlarged across, in 256ths.
void Across(const uint8_t* row, const std::vector<Tap>& taps, std::vector<uint16_t>& out) {
  uint16_t* to = out.data();
  for (const Tap& tap : taps) {
    const uint8_t* a = row + tap.first * 3;
    const uint8_t* b = row + tap.second * 3;
    const int keep = kOne - tap.weight, take = tap.weight;
    for (int c = 0; c < 3; ++c) *to++ = static_cast<uint16_t>(a[c] * keep + b[c] * take);
  }
}

uint8_t Down(uint32_t upper, uint32_t lower, const Tap& tap) {
  return static_cast<uint8_t>(
      (upper * (kOne - tap.weight) + lower * tap.weight + kOne * kOne / 2) >> 16);
}

bool SameSize(const Surface& a, const Surface& b) {
  return a.width() == b.width() && a.height() == b.height();
}

}  // namespace

ScaledImage::~ScaledImage() {
  if (enlarging_.joinable()) enlarging_.join();
}

void ScaledImage::SetPicture(const Surface& picture) {
  if (enlarging_.joinable()) enlarging_.join();
  picture_ = picture;
  across_ = Taps(picture.width(), factor_);
  down_ = Taps(picture.height(), factor_);
  last_ = picture;
  enlarging_ = std::thread([this] { EnlargePicture(); });
}

void ScaledImage::EnlargePicture() {
  const size_t stride = across_.size() * 3;
  const size_t rowBytes = static_cast<size_t>(picture_.width()) * 3;
  shown_.resize(stride * down_.size());
  // Two rows enlarged across at a time: the pair the output rows lie between.
  std::vector<uint16_t> upper(stride), lower(stride);
  int upperRow = -1, lowerRow = -1;
  for (size_t y = 0; y < down_.size(); ++y) {
    const Tap& tap = down_[y];
    if (tap.first != upperRow) {
      if (tap.first == lowerRow) {
        std::swap(upper, lower);
        lowerRow = -1;
      } else {
        Across(picture_.data() + tap.first * rowBytes, across_, upper);
      }
      upperRow = tap.first;
    }
    if (tap.second != lowerRow) {
      Across(picture_.data() + tap.second * rowBytes, across_, lower);
      lowerRow = tap.second;
    }
    uint8_t* to = &shown_[y * stride];
    for (size_t i = 0; i < stride; ++i) to[i] = Down(upper[i], lower[i], tap);
  }
}

void ScaledImage::Reshow(const Surface& image, int x, int y) {
  const Rgb pixel = image.at(x, y);
  const bool picture = SameSize(image, picture_) && pixel == picture_.at(x, y);
  const size_t stride = static_cast<size_t>(image.width()) * factor_ * 3;
  for (int Y = y * factor_; Y < (y + 1) * factor_; ++Y) {
    for (int X = x * factor_; X < (x + 1) * factor_; ++X) {
      uint8_t* to = &shown_[Y * stride + X * 3];
      if (!picture) {
        to[0] = pixel.r, to[1] = pixel.g, to[2] = pixel.b;
        continue;
      }
      const Tap& row = down_[Y];
      const Tap& column = across_[X];
      for (int c = 0; c < 3; ++c) {
        auto at = [&](int sx, int sy) {
          return uint32_t{picture_.data()[(static_cast<size_t>(sy) * image.width() + sx) * 3 + c]};
        };
        auto blend = [&](int sy) {
          return at(column.first, sy) * (kOne - column.weight) +
                 at(column.second, sy) * column.weight;
        };
        to[c] = Down(blend(row.first), blend(row.second), row);
      }
    }
  }
}

const uint8_t* ScaledImage::Of(const Surface& image) {
  if (enlarging_.joinable()) enlarging_.join();
  if (!SameSize(image, last_)) {
    // No picture of this size: every pixel shown anew, as drawing.
    last_ = Surface(image.width(), image.height());
    shown_.assign(static_cast<size_t>(image.width()) * image.height() * factor_ * factor_ * 3, 0);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) Reshow(image, x, y);
    last_ = image;
    return shown_.data();
  }
  const size_t rowBytes = static_cast<size_t>(image.width()) * 3;
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* now = image.data() + y * rowBytes;
    const uint8_t* before = last_.data() + y * rowBytes;
    if (!std::memcmp(now, before, rowBytes)) continue;
    for (int x = 0; x < image.width(); ++x)
      if (std::memcmp(now + x * 3, before + x * 3, 3)) Reshow(image, x, y);
  }
  last_ = image;
  return shown_.data();
}

}  // namespace host::fltk
