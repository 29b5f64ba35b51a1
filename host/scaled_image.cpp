#include "host/scaled_image.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

namespace host {

ScaledImage::ScaledImage(int width, int height, Rgb face, DisplayScale scale)
    : width_(width), height_(height), face_(face), scale_(scale), image_(width, height, face) {}

void ScaledImage::DrawOn(Surface& band) const {
  // Under a first call that covers all, the face never shows.
  if (!covered_) band.FillBox(0, 0, width_, height_, face_);
  for (const Call& call : calls_) call(band);
}

Surface ScaledImage::Screen() const {
  if (scale_ == DisplayScale()) return image_;
  Surface screen = Surface::Band(width_, height_, scale_, 0, ScreenHeight());
  DrawOn(screen);
  return screen;
}

void ScaledImage::Draw(Call call, bool coversAll) {
  call(image_);
  if (coversAll) {
    calls_.clear();
    covered_ = true;
  }
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

void ScaledImage::ShowScreen(int top, int bottom, const ShowBand& show, int bandPixels) const {
  top = std::clamp(top, 0, ScreenHeight());
  bottom = std::clamp(bottom, top, ScreenHeight());
  const int bandRows = std::max(bandPixels / std::max(ScreenWidth(), 1), 1);
  std::vector<std::pair<int, int>> bands;
  for (int from = top; from < bottom; from += bandRows)
    bands.emplace_back(from, std::min(from + bandRows, bottom));
  if (scale_ == DisplayScale()) {
    for (const auto& [from, to] : bands) show(image_, from, to);
    return;
  }
  auto draw = [&](size_t band) {
    Surface drawn = Surface::Band(width_, height_, scale_, bands[band].first, bands[band].second);
    DrawOn(drawn);
    return drawn;
  };
#ifdef _WIN32
  // start.exe's size counts more than a second core there.
  for (size_t band = 0; band < bands.size(); ++band)
    show(draw(band), bands[band].first, bands[band].second);
#else
  // Two bands drawn ahead at a time, on threads of their own, while the
  // screen takes the one before.
  struct Drawing {
    std::thread thread;
    std::optional<Surface> band;
    std::exception_ptr failure;
    ~Drawing() { Finish(); }
    void Finish() {
      if (thread.joinable()) thread.join();
    }
  };
  Drawing drawing[2];
  auto start = [&](size_t band) {
    Drawing& slot = drawing[band % 2];
    auto work = [&draw, &slot, band] {
      try {
        slot.band = draw(band);
      } catch (...) {
        slot.failure = std::current_exception();
      }
    };
    try {
      slot.thread = std::thread(work);
    } catch (const std::system_error&) {
      work();  // no thread to be had: drawn here
    }
  };
  for (size_t band = 0; band < bands.size() && band < 2; ++band) start(band);
  for (size_t band = 0; band < bands.size(); ++band) {
    Drawing& slot = drawing[band % 2];
    slot.Finish();
    if (slot.failure) std::rethrow_exception(slot.failure);
    const Surface shown = std::move(*slot.band);
    slot.band.reset();
    if (band + 2 < bands.size()) start(band + 2);
    show(shown, bands[band].first, bands[band].second);
  }
#endif
}

}  // namespace host
