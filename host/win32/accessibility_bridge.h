// The window's entries for Windows screen readers (Narrator, NVDA): the
// window answers WM_GETOBJECT for its client area with an accessible object
// (Microsoft Active Accessibility) whose children are the entries, read from
// and driven through the portable accessibility::Window. The system's
// accessibility library is loaded when a reader first asks, so start-up does
// not pay for it.
#pragma once

#include <windows.h>

#include <optional>

#include "host/accessibility.h"

namespace host::win32 {

class AccessibleClient;

class AccessibilityBridge final : public accessibility::Listener {
 public:
  AccessibilityBridge(HWND window, accessibility::Window& source);
  ~AccessibilityBridge();
  AccessibilityBridge(const AccessibilityBridge&) = delete;
  AccessibilityBridge& operator=(const AccessibilityBridge&) = delete;

  // The system's list box that stands for the entry of role List, which
  // screen readers then read row by row as they read any list box.
  void setListWindow(HWND list) { list_ = list; }

  // The window procedure's part: WM_GETOBJECT, and the default actions a
  // reader asked for, done once its call has returned.
  std::optional<LRESULT> Answer(UINT message, WPARAM wParam, LPARAM lParam);

  // accessibility::Listener
  void FocusMoved() override;
  void EntriesChanged() override;
  void ActiveChanged() override;

 private:
  HWND window_;
  HWND list_ = nullptr;
  accessibility::Window& source_;
  AccessibleClient* client_ = nullptr;  // made when first asked for
};

}  // namespace host::win32
