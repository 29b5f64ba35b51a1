// A system function looked up on its first call. The shell's libraries pull
// in many more under Wine and only a click needs them, so they stay out of
// start-up.
#pragma once

#include <windows.h>

namespace host::win32 {

template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  if (!module) return nullptr;
  // Through the generic function pointer type, as the system hands it out.
  using Generic = void (*)();
  return reinterpret_cast<Function*>(reinterpret_cast<Generic>(GetProcAddress(module, name)));
}

}  // namespace host::win32
