#include "host/win32/desktop.h"

#include <cstdint>
#include <string>

#include "host/running_menu.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

// A small block of the session's memory, named after the folder: made by
// the first start, in one step with looking for it, and holding the running
// menu's window.
HANDLE claim = nullptr;

void* ViewOf(HANDLE block) {
  return MapViewOfFile(block, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(uint64_t));
}

void Raise(HWND menu) {
  if (IsIconic(menu)) ShowWindow(menu, SW_RESTORE);
  // A program the user has just started may hand the foreground on.
  SetForegroundWindow(menu);
}

}  // namespace

bool RaiseRunningMenu(std::string_view folder) {
  const std::wstring name = L"Local\\" + Wide(RunningMenuName(folder));
  HANDLE block = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(uint64_t), name.c_str());
  if (!block) return false;  // no named memory: one menu more rather than none
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    claim = block;  // kept until the process ends
    return false;
  }
  if (const auto* window = static_cast<const uint64_t*>(ViewOf(block))) {
    // A menu still starting has no window yet; it shows one shortly.
    if (*window) Raise(reinterpret_cast<HWND>(static_cast<uintptr_t>(*window)));
    UnmapViewOfFile(window);
  }
  CloseHandle(block);
  return true;
}

void AnnounceMenu(HWND window) {
  if (!claim) return;
  if (auto* view = static_cast<uint64_t*>(ViewOf(claim))) {
    *view = reinterpret_cast<uintptr_t>(window);
    UnmapViewOfFile(view);
  }
}

}  // namespace host::win32
