// The native widgets of a window's windowed controls, made from its layout.
#pragma once

#include <FL/Fl_Widget.H>

#include <map>

namespace host::fltk {

class FormWindow;

// Creates a widget for every picture box and file list of the form's
// layout, inside the form or its container and stacked as the layout
// stacks them; returns them by control number.
std::map<int, Fl_Widget*> BuildControls(FormWindow& form);

}  // namespace host::fltk
