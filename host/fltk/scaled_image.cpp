#include "host/fltk/scaled_image.h"

#include <algorithm>
#include <array>
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

uint32_t Down(uint32_t upper, uint32_t lower, const Tap& tap) {
  return (upper * (kOne - tap.weight) + lower * tap.weight + kOne * kOne / 2) >> 16;
}

uint32_t Word(Rgb pixel) { return uint32_t{pixel.r} << 16 | uint32_t{pixel.g} << 8 | pixel.b; }

bool SameSize(const Surface& a, const Surface& b) {
  return a.width() == b.width() && a.height() == b.height();
}

}  // namespace

ScaledImage::~ScaledImage() { Finish(); }

void ScaledImage::Finish() {
  for (std::thread& half : enlarging_)
    if (half.joinable()) half.join();
}

void ScaledImage::SetPicture(const Surface& picture) {
  Finish();
  picture_ = picture;
  across_ = Taps(picture.width(), factor_);
  down_ = Taps(picture.height(), factor_);
  showsPicture_ = true;
  // Uninitialised: each half's pages are first touched by its own thread.
  shown_.reset(new uint32_t[across_.size() * down_.size()]);
  const size_t middle = down_.size() / 2;
  enlarging_[0] = std::thread([this, middle] { EnlargeRows(0, middle); });
  enlarging_[1] = std::thread([this, middle] { EnlargeRows(middle, down_.size()); });
}

void ScaledImage::EnlargeRows(size_t from, size_t to) {
  const size_t width = across_.size();
  const size_t rowBytes = static_cast<size_t>(picture_.width()) * 3;
  // Two rows enlarged across at a time: the pair the output rows lie between.
  std::vector<uint16_t> upper(width * 3), lower(width * 3);
  int upperRow = -1, lowerRow = -1;
  for (size_t y = from; y < to; ++y) {
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
    uint32_t* out = &shown_[y * width];
    for (size_t x = 0; x < width; ++x)
      out[x] = Down(upper[3 * x], lower[3 * x], tap) << 16 |
               Down(upper[3 * x + 1], lower[3 * x + 1], tap) << 8 |
               Down(upper[3 * x + 2], lower[3 * x + 2], tap);
  }
}

void ScaledImage::Reshow(const Surface& image, int x, int y) {
  const Rgb pixel = image.at(x, y);
  const bool picture = SameSize(image, picture_) && pixel == picture_.at(x, y);
  const size_t width = static_cast<size_t>(image.width()) * factor_;
  for (int Y = y * factor_; Y < (y + 1) * factor_; ++Y) {
    for (int X = x * factor_; X < (x + 1) * factor_; ++X) {
      uint32_t& to = shown_[Y * width + X];
      if (!picture) {
        to = Word(pixel);
        continue;
      }
      const Tap& row = down_[Y];
      const Tap& column = across_[X];
      auto blend = [&](int sy) {
        const Rgb a = picture_.at(column.first, sy), b = picture_.at(column.second, sy);
        const uint32_t keep = kOne - column.weight, take = column.weight;
        return std::array<uint32_t, 3>{a.r * keep + b.r * take, a.g * keep + b.g * take,
                                       a.b * keep + b.b * take};
      };
      const auto upper = blend(row.first), lower = blend(row.second);
      to = Down(upper[0], lower[0], row) << 16 | Down(upper[1], lower[1], row) << 8 |
           Down(upper[2], lower[2], row);
    }
  }
}

const uint32_t* ScaledImage::Of(const Surface& image) {
  Finish();
  const Surface& before = showsPicture_ ? picture_ : last_;
  showsPicture_ = false;
  if (!SameSize(image, before)) {
    // No picture of this size: every pixel shown anew, as drawing.
    shown_.reset(
        new uint32_t[static_cast<size_t>(image.width()) * image.height() * factor_ * factor_]);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) Reshow(image, x, y);
    last_ = image;
    return shown_.get();
  }
  const size_t rowBytes = static_cast<size_t>(image.width()) * 3;
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* now = image.data() + y * rowBytes;
    const uint8_t* was = before.data() + y * rowBytes;
    if (!std::memcmp(now, was, rowBytes)) continue;
    for (int x = 0; x < image.width(); ++x)
      if (std::memcmp(now + x * 3, was + x * 3, 3)) Reshow(image, x, y);
  }
  last_ = image;
  return shown_.get();
}

}  // namespace host::fltk
