#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "host/fltk/controls.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

PictureBoxControl::PictureBoxControl(FormWindow& form, const ControlDesign& design, int x, int y,
                                     int w, int h)
    : Control(form, design, x, y, w, h) {
  end();
  box(design.borderStyle ? FL_BORDER_BOX : FL_FLAT_BOX);
  color(ToFlColor(design.backColor));
}

void PictureBoxControl::setVisible(bool on) {
  if (on == (visible() != 0)) return;
  if (on) {
    show();
    // The list takes the keyboard at once: Down and Enter need no click.
    for (int i = 0; i < children(); ++i)
      if (child(i)->take_focus()) break;
  } else {
    hide();
  }
  form_.UpdatePointer();
}

void PictureBoxControl::draw() {
  draw_box();
  fl_color(FL_FOREGROUND_COLOR);  // the box draws one pixel of its border; a larger scale more
  for (int i = 1; i < border(); ++i) fl_rect(x() + i, y() + i, w() - 2 * i, h() - 2 * i);
  // Controls inside are clipped to the inner area, as a child window is.
  const int b = border();
  fl_push_clip(x() + b, y() + b, w() - 2 * b, h() - 2 * b);
  draw_children();
  fl_pop_clip();
}

int PictureBoxControl::handle(int event) {
  const int used = Fl_Group::handle(event);
  switch (event) {
    case FL_PUSH:
    case FL_RELEASE:
    case FL_DRAG:
      return 1;  // the panel's own area: nothing reaches the window beneath
    case FL_ENTER:
    case FL_MOVE:
      form_.UpdatePointer();
      return 1;
    default:
      return used;
  }
}

}  // namespace host::fltk
