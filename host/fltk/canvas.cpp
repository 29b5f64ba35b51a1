#include "host/fltk/canvas.h"

namespace host::fltk {

Canvas::Canvas(int width, int height, Rgb face) : image_(width, height, face) {}

Surface& Canvas::Target(bool autoRedraw) {
  if (autoRedraw) {
    layer_.reset();  // the window shows its persistent image again
    return image_;
  }
  if (!layer_) layer_ = image_;
  return *layer_;
}

}  // namespace host::fltk
