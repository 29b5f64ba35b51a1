#include "host/win32/message_box.h"

#include "host/win32/unicode.h"

namespace host::win32 {

void ShowMessageBox(HWND owner, std::string_view title, std::string_view text) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK);
}

}  // namespace host::win32
