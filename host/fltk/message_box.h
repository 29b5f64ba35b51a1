// The program's message box: modal, one OK button, centred on the screen.
#pragma once

#include <string_view>

#include "host/display_scale.h"

namespace host::fltk {

// Returns when the user has closed it. At a display scale its text, margins
// and button are that much larger.
void ShowMessageBox(std::string_view title, std::string_view text, DisplayScale scale = {});

}  // namespace host::fltk
