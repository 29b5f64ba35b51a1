// Where a window's drawing goes: the persistent image that every repaint
// shows, and a layer over it for drawing done without AutoRedraw, which
// shows until the next repaint.
#pragma once

#include <optional>

#include "host/fltk/scaled_painter.h"
#include "host/surface.h"

namespace host::fltk {

class Canvas {
 public:
  // An image of width x height program pixels, shown `factor` times larger.
  Canvas(int width, int height, Rgb face, int factor = 1);

  const Surface& image() const { return image_; }
  Surface& image() { return image_; }
  // The surface the next drawing goes to, as AutoRedraw says.
  Surface& Target(bool autoRedraw);
  // A repaint: from now on only the persistent image shows.
  void Repaint() { layer_.reset(); }
  // What the window shows now.
  const Surface& Shown() const { return layer_ ? *layer_ : image_; }
  // Takes what the image holds now as the picture beneath all drawing.
  void KeepAsPicture();
  // Draws what the window shows now at the corner of the current window.
  void Paint();

 private:
  Surface image_;
  std::optional<Surface> layer_;
  int factor_;
  ScaledPainter scaled_;
};

}  // namespace host::fltk
