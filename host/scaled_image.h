// A window's persistent image as the program draws it and as the screen
// shows it: the program's own 640x480 pixels, which it reads back, and the
// same drawing calls drawn again at the display scale whenever the screen
// needs them, so that the frame and lines are sharp there and the picture
// is enlarged smoothly, at whatever scale the window is now shown.
//
// At a scale the screen's image is large, and fresh memory for all of it
// costs about as much as drawing into it: it is drawn in bands, each shown
// as soon as it is drawn, into two bands' memory that a second thread
// fills while the screen takes the other.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "host/display_scale.h"
#include "host/surface.h"

namespace host {

class ScaledImage {
 public:
  ScaledImage(int width, int height, Rgb face, DisplayScale scale = {});

  // In the program's pixels.
  const Surface& image() const { return image_; }
  DisplayScale scale() const { return scale_; }
  // From now on shown at `scale`.
  void Rescale(DisplayScale scale) { scale_ = scale; }
  // The screen's size, in its pixels.
  int ScreenWidth() const { return static_cast<int>(scale_.ToScreen(width_)); }
  int ScreenHeight() const { return static_cast<int>(scale_.ToScreen(height_)); }

  // The screen's rows top..bottom-1 shown through show(band, from, to), a
  // band of rows of about bandPixels at a time; band holds rows from..to-1
  // (band.Row(from)). At scale 1 it is the image itself.
  using ShowBand = std::function<void(const Surface& band, int from, int to)>;
  // Few enough bands for each to cost little of its own, and small enough
  // that the first is on the screen soon and the screen takes each while
  // the next is drawn.
  static constexpr int kBandPixels = 1 << 17;
  void ShowScreen(int top, int bottom, const ShowBand& show, int bandPixels = kBandPixels) const;
  // All of the screen at once, drawn anew at each call, for reading back.
  Surface Screen() const;

  // The drawing calls of Surface, on both.
  void DrawPicture(int width, int height, const uint8_t* rgba);
  void FillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color);
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight, int penWidth, Rgb pen);
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);

 private:
  using Call = std::function<void(Surface&)>;
  // A call that paints over all of the image makes those before it moot.
  void Draw(Call call, bool coversAll = false);
  bool Covers(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
  // The face and every call drawn on `band`.
  void DrawOn(Surface& band) const;

  int width_, height_;
  Rgb face_;
  DisplayScale scale_;
  Surface image_;
  std::vector<Call> calls_;  // since the face, or since the first that covers all
  bool covered_ = false;     // whether the first of them covers all
};

}  // namespace host
