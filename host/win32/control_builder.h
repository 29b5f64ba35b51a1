// The system windows of a window's windowed controls, made from its layout.
#pragma once

#include <map>
#include <memory>

#include "host/win32/controls.h"

namespace host::win32 {

// Creates a system window for every picture box and file list of the
// form's layout, inside the form or its container, stacked as the layout
// stacks them; returns them by control number.
std::map<int, std::unique_ptr<Widget>> BuildControls(FormWindow& form);

}  // namespace host::win32
