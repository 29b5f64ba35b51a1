// Key messages as the shared input rules hear them, whichever of the form's
// windows has the system's focus: the rules give keys to the window first.
#pragma once

#include <windows.h>

#include "host/form_input.h"

namespace host::win32 {

// Hands a key message to the rules; true when it is theirs alone. The system
// keys (Alt+F4 among them) are told to the rules and keep their meaning.
bool KeyMessage(FormInput& rules, UINT message, WPARAM wParam);

}  // namespace host::win32
