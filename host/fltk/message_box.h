// The program's message box: modal, one OK button, centred on the screen.
#pragma once

#include <string_view>

namespace host::fltk {

// Returns when the user has closed it.
void ShowMessageBox(std::string_view title, std::string_view text);

}  // namespace host::fltk
