#include "host/fltk/canvas.h"

#include <FL/fl_draw.H>

namespace host::fltk {

void CanvasPainter::KeepAsPicture(const Surface& image) {
  if (factor_ > 1) scaled_.SetPicture(image);
}

void CanvasPainter::Paint(const Surface& shown) {
  if (factor_ == 1) {
    fl_draw_image(shown.data(), 0, 0, shown.width(), shown.height(), 3);
    return;
  }
  scaled_.Paint(shown);
}

}  // namespace host::fltk
