// Opening documents through the desktop, and the program's one message.
#pragma once

#include <string_view>

namespace toolkit {

// Hands a document path or web address to the desktop to open.
void ShellOpen(std::string_view file, std::string_view parameters);

// The message box with text and one OK button, under the program's title.
void ShowMessage(std::string_view text);

}  // namespace toolkit
