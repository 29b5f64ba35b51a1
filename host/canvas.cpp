#include "host/canvas.h"

#include "host/layout.h"
#include "host/messages.h"

namespace host {

Canvas::Canvas(int width, int height, Rgb face, DisplayScale scale)
    : image_(width, height, face, scale) {}

void Canvas::DrawPicture(int width, int height, const uint8_t* rgba) {
  image_.DrawPicture(width, height, rgba);
}

void Canvas::Rescale(DisplayScale scale) {
  image_.Rescale(scale);
  layer_.reset();  // the repaint at the new scale shows the persistent image
}

void Canvas::setDrawWidth(int16_t pixels) {
  if (pixels < 1)
    throw RuntimeError(err::kInvalidProperty, std::string(text::kInvalidPropertyValue));
  drawWidth_ = pixels;
}

ScaledImage& Canvas::Target() {
  if (autoRedraw_) {
    layer_.reset();  // the window shows its persistent image again
    return image_;
  }
  if (!layer_) layer_ = image_;
  return *layer_;
}

void Canvas::LineBox(float x1, float y1, float x2, float y2, Color color) {
  const int32_t left = PixelsOf(x1), top = PixelsOf(y1), right = PixelsOf(x2),
                bottom = PixelsOf(y2);
  Target().FillBox(left, top, right, bottom, ResolveColor(color));
}

void Canvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                       int32_t ellipseWidth, int32_t ellipseHeight) {
  Target().RoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight, drawWidth_,
                     ResolveColor(foreColor_));
}

void Canvas::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  Target().GradientFill(from, to, vertical);
}

}  // namespace host
