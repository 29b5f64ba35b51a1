#include "host/win32/control_builder.h"

#include "host/win32/conversions.h"
#include "host/win32/form_window.h"

namespace host::win32 {

namespace {

// Creates the windows lying in `container`, bottom first: the system puts
// each new child window on top of its elder siblings.
void AddStacked(FormWindow& form, int container, HWND parent,
                std::map<int, std::unique_ptr<Widget>>& widgets) {
  const Layout& layout = form.layout();
  for (int control : layout.Stacked(container)) {
    const PlacedControl& placed = layout[control];
    const RECT place = form.PlaceOf(control);
    if (placed.design->type == ControlType::PictureBox) {
      auto panel = std::make_unique<PictureBoxWidget>(form, control, parent, place);
      HWND inside = panel->window();
      widgets[control] = std::move(panel);
      AddStacked(form, control, inside, widgets);
    } else if (placed.design->type == ControlType::FileListBox) {
      widgets[control] = std::make_unique<FileListWidget>(form, *placed.design, parent, place);
    }
  }
}

}  // namespace

std::map<int, std::unique_ptr<Widget>> BuildControls(FormWindow& form) {
  std::map<int, std::unique_ptr<Widget>> widgets;
  AddStacked(form, kBackground, form.window(), widgets);
  return widgets;
}

}  // namespace host::win32
