// A window's persistent image as the program draws it and as the screen
// shows it: the program's own 640x480 pixels, which it reads back, and the
// same drawing calls drawn again at the display scale, so that the frame and
// lines are sharp there and the picture is enlarged smoothly. The calls are
// kept, so that a change of scale (a window dragged to another screen)
// draws everything again at the new one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/display_scale.h"
#include "host/surface.h"

namespace host {

class ScaledImage {
 public:
  ScaledImage(int width, int height, Rgb face, DisplayScale scale = {});

  // In the program's pixels.
  const Surface& image() const { return image_; }
  // What the screen shows: at the scale; at scale 1 the image itself.
  const Surface& screen() const { return screen_ ? *screen_ : image_; }
  DisplayScale scale() const { return screen().scale(); }
  // Draws everything drawn so far again at `scale`.
  void Rescale(DisplayScale scale);

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

  int width_, height_;
  Rgb face_;
  Surface image_;
  std::optional<Surface> screen_;  // none at scale 1
  std::vector<Call> calls_;        // since the face
};

}  // namespace host
