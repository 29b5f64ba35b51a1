#include "host/fltk/canvas.h"

#include <FL/fl_draw.H>

namespace host::fltk {

Canvas::Canvas(int width, int height, Rgb face, int factor)
    : image_(width, height, face), factor_(factor), scaled_(factor) {}

Surface& Canvas::Target(bool autoRedraw) {
  if (autoRedraw) {
    layer_.reset();  // the window shows its persistent image again
    return image_;
  }
  if (!layer_) layer_ = image_;
  return *layer_;
}

void Canvas::KeepAsPicture() {
  if (factor_ > 1) scaled_.SetPicture(image_);
}

void Canvas::Paint() {
  const Surface& shown = Shown();
  if (factor_ == 1) {
    fl_draw_image(shown.data(), 0, 0, shown.width(), shown.height(), 3);
    return;
  }
  scaled_.Paint(shown);
}

}  // namespace host::fltk
