#include "host/win32/event_state.h"

#include <algorithm>

#include "host/host.h"

namespace host::win32 {

bool IsButtonDown(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the system's list box pairs presses itself
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      return button::kLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
      return button::kRight;
    default:
      return button::kMiddle;
  }
}

int16_t ButtonsHeld(WPARAM wParam) {
  return static_cast<int16_t>(((wParam & MK_LBUTTON) ? button::kLeft : 0) |
                              ((wParam & MK_RBUTTON) ? button::kRight : 0) |
                              ((wParam & MK_MBUTTON) ? button::kMiddle : 0));
}

int16_t ShiftOf(WPARAM wParam) {
  return static_cast<int16_t>(((wParam & MK_SHIFT) ? shift::kShift : 0) |
                              ((wParam & MK_CONTROL) ? shift::kCtrl : 0) |
                              (GetKeyState(VK_MENU) < 0 ? shift::kAlt : 0));
}

int16_t ShiftState() {
  return static_cast<int16_t>((GetKeyState(VK_SHIFT) < 0 ? shift::kShift : 0) |
                              (GetKeyState(VK_CONTROL) < 0 ? shift::kCtrl : 0) |
                              (GetKeyState(VK_MENU) < 0 ? shift::kAlt : 0));
}

// The run time's codes are the system's own, for the keys it knows.
int16_t KeyCode(WPARAM virtualKey) {
  static constexpr int16_t kNamed[] = {
      key::kBackspace, key::kTab,   key::kEnter,  key::kShift,    key::kControl, key::kAlt,
      key::kEscape,    key::kSpace, key::kPageUp, key::kPageDown, key::kEnd,     key::kHome,
      key::kLeft,      key::kUp,    key::kRight,  key::kDown,     key::kInsert,  key::kDelete};
  const auto code = static_cast<int16_t>(virtualKey & 0xFF);
  if (virtualKey > 0xFF) return key::kNone;
  if (std::find(std::begin(kNamed), std::end(kNamed), code) != std::end(kNamed)) return code;
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return code;
  if (code >= key::kF1 && code < key::kF1 + 12) return code;
  return key::kNone;
}

ClickLimits ClickLimitsAt(DisplayScale scale) {
  // The system's distance is the size of a box around the first press.
  return {GetDoubleClickTime(), static_cast<float>(GetSystemMetrics(SM_CXDOUBLECLK)) / 2 /
                                    static_cast<float>(scale.factor())};
}

}  // namespace host::win32
