// Where a window's drawing goes: the persistent image that every repaint
// shows, and drawing done without AutoRedraw, which shows only until then.
#pragma once

#include <FL/Fl_Window.H>

#include "host/fltk/scaled_image.h"
#include "host/surface.h"

namespace host::fltk {

class Canvas {
 public:
  // An image of width x height program pixels, shown `factor` times larger.
  Canvas(int width, int height, Rgb face, int factor = 1);

  Surface& image() { return image_; }
  const Surface& image() const { return image_; }
  // The surface the next drawing goes to, as AutoRedraw says.
  Surface& Target(bool autoRedraw);
  // Shows what was just drawn on `target`: at the next repaint for the
  // persistent image, at once otherwise.
  void Show(const Surface& target, Fl_Window& window);
  // A repaint of the window's client area from the persistent image.
  void Repaint();
  // Takes what the image holds now as the picture beneath all drawing.
  void KeepAsPicture();

 private:
  void Paint(const Surface& surface);

  Surface image_;
  Surface transient_;
  int factor_;
  ScaledImage scaled_;
};

}  // namespace host::fltk
