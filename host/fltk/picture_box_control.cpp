#include <FL/fl_draw.H>

#include "host/fltk/controls.h"
#include "host/fltk/conversions.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

PictureBoxWidget::PictureBoxWidget(FormWindow& form, int control, int x, int y, int w, int h)
    : Fl_Group(x, y, w, h), form_(form), control_(control) {
  end();
  const ControlDesign& design = form.layout().design(control);
  box(design.borderStyle ? FL_BORDER_BOX : FL_FLAT_BOX);
  color(ToFlColor(design.backColor));
}

int PictureBoxWidget::border() const {
  return form_.layout().design(control_).borderStyle ? form_.scale().Scaled(1) : 0;
}

void PictureBoxWidget::draw() {
  draw_box();
  fl_color(FL_FOREGROUND_COLOR);  // the box draws one pixel of its border; a larger scale more
  for (int i = 1; i < border(); ++i) fl_rect(x() + i, y() + i, w() - 2 * i, h() - 2 * i);
  // Controls inside are clipped to the inner area, as a child window is.
  const int b = border();
  fl_push_clip(x() + b, y() + b, w() - 2 * b, h() - 2 * b);
  PaintLabels(form_, control_);
  draw_children();
  fl_pop_clip();
}

}  // namespace host::fltk
