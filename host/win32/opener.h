// The opener: hands a document or web address to the shell, and tells the
// user of a document that is not there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace host::win32 {

// The shell's answer: above 32 when it took the document.
intptr_t OpenDocument(HWND owner, std::string_view operation, std::string_view file,
                      std::string_view parameters, std::string_view directory, int32_t showCommand);

}  // namespace host::win32
