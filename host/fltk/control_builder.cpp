#include "host/fltk/control_builder.h"

#include "host/fltk/controls.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

namespace {

// Only controls on the window itself: the panel's own are its business.
bool IsWindowed(const ControlDesign& design) { return design.type != ControlType::Label; }

PictureBoxControl& ContainerOf(const ControlDesign& control, const ControlDirectory& directory) {
  auto* panel = directory.Find<PictureBoxControl>(control.container, std::nullopt);
  if (!panel)
    throw RuntimeError(err::kInvalidProperty, "Нет контейнера " + std::string(control.container));
  return *panel;
}

Fl_Widget* Create(FormWindow& form, const ControlDesign& control,
                  const ControlDirectory& directory) {
  const Point origin =
      control.container.empty() ? Point{} : ContainerOf(control, directory).ClientOrigin();
  // Placed in whole program pixels, then scaled, so that every control keeps
  // its size and distance in the program's pixels on any screen.
  const DisplayScale& scale = form.scale();
  const int x = origin.x + scale.ToScreen(PixelsOf(static_cast<float>(control.rect.left)));
  const int y = origin.y + scale.ToScreen(PixelsOf(static_cast<float>(control.rect.top)));
  const int w = scale.ToScreen(PixelsOf(static_cast<float>(control.rect.width)));
  const int h = scale.ToScreen(PixelsOf(static_cast<float>(control.rect.height)));
  switch (control.type) {
    case ControlType::Label:
      return new LabelControl(form, control, x, y, w, h);
    case ControlType::PictureBox:
      return new PictureBoxControl(form, control, x, y, w, h);
    case ControlType::FileListBox:
      return new FileListControl(form, control, x, y, w, h);
  }
  return nullptr;
}

}  // namespace

std::vector<Fl_Widget*> BuildControls(FormWindow& form, ControlDirectory& directory) {
  const FormDesign& design = form.design();
  std::vector<Fl_Widget*> controls;
  Fl_Group* const current = Fl_Group::current();
  Fl_Group::current(nullptr);  // placed below, in stacking order
  // Containers first, so that the controls inside know where they lie.
  for (bool container : {true, false})
    for (const ControlDesign& control : design.controls)
      if ((control.type == ControlType::PictureBox) == container)
        directory.Add(control.name, control.index, Create(form, control, directory));
  for (const ControlDesign& control : design.controls)
    controls.push_back(directory.Find<Fl_Widget>(control.name, control.index));
  // Labels lie below the windowed controls of their container: add them
  // first, as later children are drawn over and hit before earlier ones.
  for (bool windowed : {false, true}) {
    for (size_t i = 0; i < controls.size(); ++i) {
      const ControlDesign& control = design.controls[i];
      if (IsWindowed(control) != windowed) continue;
      Fl_Group* parent = control.container.empty() ? static_cast<Fl_Group*>(&form)
                                                   : &ContainerOf(control, directory);
      parent->add(controls[i]);
      if (!control.visible) controls[i]->hide();
    }
  }
  Fl_Group::current(current);
  return controls;
}

}  // namespace host::fltk
