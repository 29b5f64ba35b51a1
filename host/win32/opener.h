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

// The shell's ShellExecuteW is looked up when the first document is opened; a
// test may put a stand-in in its place, and nullptr brings the system's back.
using ShellExecuteFunction = HINSTANCE WINAPI(HWND owner, const wchar_t* operation,
                                              const wchar_t* file, const wchar_t* parameters,
                                              const wchar_t* directory, int showCommand);
void SetShellExecute(ShellExecuteFunction* function);

}  // namespace host::win32
