// Texts are UTF-8 inside the program and UTF-16 at every system call.
#pragma once

#include <string>
#include <string_view>

namespace host::win32 {

std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace host::win32
