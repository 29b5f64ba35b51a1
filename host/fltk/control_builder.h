// Builds a window's controls from its design.
#pragma once

#include <FL/Fl_Widget.H>

#include <vector>

#include "host/design.h"
#include "host/fltk/control_directory.h"

namespace host::fltk {

class FormWindow;

// Creates every control of the form's design inside the form or its
// container, stacked as the run time stacks them, and files each in
// `directory`. Returns them in design order.
std::vector<Fl_Widget*> BuildControls(FormWindow& form, ControlDirectory& directory);

}  // namespace host::fltk
