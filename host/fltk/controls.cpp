#include "host/fltk/controls.h"

namespace host::fltk {

Point ContainerOrigin(const Fl_Widget& widget) {
  const auto* panel = dynamic_cast<const PictureBoxControl*>(widget.parent());
  return panel ? panel->ClientOrigin() : Point{};  // on the window itself: its corner
}

Fl_Widget* ControlIn(const Fl_Group& group, int px, int py) {
  for (int i = group.children() - 1; i >= 0; --i) {
    Fl_Widget* child = group.child(i);
    if (child->visible() && px >= child->x() && px < child->x() + child->w() && py >= child->y() &&
        py < child->y() + child->h())
      return child;
  }
  return nullptr;
}

}  // namespace host::fltk
