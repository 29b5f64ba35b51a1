#include "host/fltk/canvas.h"

#include <FL/fl_draw.H>

namespace host::fltk {

void PaintImage(const Surface& image) {
  fl_draw_image(image.data(), 0, 0, image.width(), image.height(), 3);
}

}  // namespace host::fltk
