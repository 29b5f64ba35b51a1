// A window's drawing state and where its drawing goes: the persistent image
// that every repaint shows, and, for drawing done without AutoRedraw, a layer
// over it that shows until the next repaint. Both are kept in the program's
// pixels and at the window's display scale.
#pragma once

#include <optional>

#include "host/display_scale.h"
#include "host/host.h"
#include "host/scaled_image.h"
#include "host/surface.h"

namespace host {

class Canvas {
 public:
  // An image of width x height program pixels filled with `face`, shown at
  // `scale`.
  Canvas(int width, int height, Rgb face, DisplayScale scale = {});

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

  // The persistent image in the program's pixels.
  const Surface& image() const { return image_.image(); }
  // Draws the picture beneath all drawing into the persistent image.
  void DrawPicture(int width, int height, const uint8_t* rgba);
  // What the window shows now, at its display scale: its rows top..bottom-1
  // a band at a time (ScaledImage::ShowScreen), or all of it at once.
  void ShowRows(int top, int bottom, const ScaledImage::ShowBand& show) const {
    ShownImage().ShowScreen(top, bottom, show);
  }
  Surface Shown() const { return ShownImage().Screen(); }
  // Whether drawing done without AutoRedraw shows over the persistent image.
  bool Layered() const { return layer_.has_value(); }
  // A repaint: from now on only the persistent image shows.
  void Repaint() { layer_.reset(); }
  DisplayScale scale() const { return image_.scale(); }
  // The window shown at another scale: everything drawn again at it.
  void Rescale(DisplayScale scale);

 private:
  ScaledImage& Target();
  const ScaledImage& ShownImage() const { return layer_ ? *layer_ : image_; }

  ScaledImage image_;
  std::optional<ScaledImage> layer_;
  bool autoRedraw_ = false;
  int16_t drawWidth_ = 1;
  Color foreColor_ = static_cast<Color>(0x80000012);  // button text
};

}  // namespace host
