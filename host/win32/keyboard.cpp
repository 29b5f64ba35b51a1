#include "host/win32/keyboard.h"

#include "host/delivery.h"
#include "host/win32/event_state.h"
#include "host/win32/unicode.h"

namespace host::win32 {

bool KeyMessage(FormInput& rules, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      Deliver([&] { rules.KeyDown(KeyCode(wParam), ShiftState()); });
      return message == WM_KEYDOWN;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      rules.KeyUp(KeyCode(wParam));
      return message == WM_KEYUP;
    case WM_CHAR: {
      const auto typed = static_cast<wchar_t>(wParam);
      if (typed < 0xD800 || typed > 0xDFFF)  // half of a pair is no letter
        Deliver([&] { rules.Typed(Narrow(std::wstring_view(&typed, 1))); });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace host::win32
