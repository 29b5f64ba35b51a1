// A system function looked up on its first call. The shell's libraries pull
// in many more under Wine and only a click needs them, so they stay out of
// start-up.
#pragma once

#include <windows.h>

namespace host::win32 {

template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  return module ? reinterpret_cast<Function*>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace host::win32
