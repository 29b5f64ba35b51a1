// Paints the window's shared image on FLTK: as it is at scale 1, enlarged
// by the X server above it.
#pragma once

#include "host/fltk/scaled_painter.h"
#include "host/surface.h"

namespace host::fltk {

class CanvasPainter {
 public:
  explicit CanvasPainter(int factor = 1) : factor_(factor), scaled_(factor) {}

  // Takes what the image holds now as the picture beneath all drawing.
  void KeepAsPicture(const Surface& image);
  // Draws `shown` at the corner of the current window.
  void Paint(const Surface& shown);

 private:
  int factor_;
  ScaledPainter scaled_;
};

}  // namespace host::fltk
