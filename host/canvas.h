// A window's drawing state and where its drawing goes: the persistent image
// that every repaint shows, and, for drawing done without AutoRedraw, a layer
// over it that shows until the next repaint.
#pragma once

#include <optional>

#include "host/host.h"
#include "host/surface.h"

namespace host {

class Canvas {
 public:
  // An image of width x height program pixels filled with `face`.
  Canvas(int width, int height, Rgb face);

  bool AutoRedraw() const { return autoRedraw_; }
  void setAutoRedraw(bool on) { autoRedraw_ = on; }
  int16_t DrawWidth() const { return drawWidth_; }
  // Below one pixel raises err::kInvalidProperty.
  void setDrawWidth(int16_t pixels);
  Color ForeColor() const { return foreColor_; }
  void setForeColor(Color color) { foreColor_ = color; }

  // The drawing calls: a filled box in twips; a rounded outline with the
  // pen of ForeColor and DrawWidth and a gradient in pixels.
  void LineBox(float x1, float y1, float x2, float y2, Color color);
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight);
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);

  // The persistent image.
  Surface& image() { return image_; }
  const Surface& image() const { return image_; }
  // What the window shows now.
  const Surface& Shown() const { return layer_ ? *layer_ : image_; }
  // A repaint: from now on only the persistent image shows.
  void Repaint() { layer_.reset(); }

 private:
  Surface& Target();

  Surface image_;
  std::optional<Surface> layer_;
  bool autoRedraw_ = false;
  int16_t drawWidth_ = 1;
  Color foreColor_ = static_cast<Color>(0x80000012);  // button text
};

}  // namespace host
