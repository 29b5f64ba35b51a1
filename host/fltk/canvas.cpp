#include "host/fltk/canvas.h"

#include <FL/fl_draw.H>

#include "host/fltk/screen_pixels.h"

namespace host::fltk {

void Canvas::Paint(const Surface& surface) {
  if (factor_ == 1) {
    fl_draw_image(surface.data(), 0, 0, surface.width(), surface.height(), 3);
    return;
  }
  DrawPixelWords(scaled_.Of(surface), surface.width() * factor_, surface.height() * factor_);
}

Canvas::Canvas(int width, int height, Rgb face, int factor)
    : image_(width, height, face), transient_(0, 0), factor_(factor), scaled_(factor) {}

void Canvas::KeepAsPicture() {
  if (factor_ > 1) scaled_.SetPicture(image_);
}

Surface& Canvas::Target(bool autoRedraw) {
  if (autoRedraw) return image_;
  // Without AutoRedraw the drawing shows only until the next repaint, which
  // comes from the persistent image.
  transient_ = image_;
  return transient_;
}

void Canvas::Show(const Surface& target, Fl_Window& window) {
  if (!window.shown()) return;
  if (&target == &image_) {
    window.damage(FL_DAMAGE_ALL);  // the next repaint shows it
    return;
  }
  window.make_current();
  Paint(target);
  for (int i = 0; i < window.children(); ++i) window.child(i)->redraw();
}

void Canvas::Repaint() { Paint(image_); }

}  // namespace host::fltk
