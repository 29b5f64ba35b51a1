#include "host/fltk/control_builder.h"

#include "host/fltk/controls.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

namespace {

Fl_Widget* Create(FormWindow& form, int control) {
  const PlacedControl& placed = form.layout()[control];
  // Placed in whole program pixels, then scaled, so that every control keeps
  // its size and distance in the program's pixels on any screen.
  const PixelRect rect = form.OnScreen(placed.rect);
  const int x = rect.left, y = rect.top, w = rect.width, h = rect.height;
  switch (placed.design->type) {
    case ControlType::PictureBox:
      return new PictureBoxWidget(form, control, x, y, w, h);
    case ControlType::FileListBox:
      return new FileListWidget(form, *placed.design, x, y, w, h);
    case ControlType::Label:
      break;
  }
  return nullptr;
}

// Adds the widgets lying in `container` to `parent`, bottom first: later
// children are drawn over earlier ones.
void AddStacked(FormWindow& form, int container, Fl_Group& parent,
                std::map<int, Fl_Widget*>& widgets) {
  for (int control : form.layout().Stacked(container)) {
    Fl_Widget* widget = Create(form, control);
    if (!widget) continue;
    widgets[control] = widget;
    parent.add(widget);
    if (!form.layout()[control].visible) widget->hide();
    if (auto* group = dynamic_cast<Fl_Group*>(widget)) AddStacked(form, control, *group, widgets);
  }
}

}  // namespace

std::map<int, Fl_Widget*> BuildControls(FormWindow& form) {
  std::map<int, Fl_Widget*> widgets;
  Fl_Group* const current = Fl_Group::current();
  Fl_Group::current(nullptr);
  AddStacked(form, kBackground, form, widgets);
  Fl_Group::current(current);
  return widgets;
}

}  // namespace host::fltk
