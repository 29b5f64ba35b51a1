// The program's message box: the system's, one OK button, modal over the
// program's first window.
#pragma once

#include <windows.h>

#include <string_view>

namespace host::win32 {

// Returns when the user has closed it.
void ShowMessageBox(HWND owner, std::string_view title, std::string_view text);

}  // namespace host::win32
