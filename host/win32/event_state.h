// A mouse or key message as the run time describes it to the shared rules.
#pragma once

#include <windows.h>

#include <cstdint>

#include "host/display_scale.h"
#include "host/double_clicks.h"

namespace host::win32 {

bool IsButtonDown(UINT message);
bool IsButtonUp(UINT message);
// The button of a press or release: 1 left, 2 right, 4 middle.
int16_t ButtonOf(UINT message);
// The buttons a mouse message says are held, added up as above.
int16_t ButtonsHeld(WPARAM wParam);
// The shift state a mouse message carries, Alt asked of the keyboard:
// 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftOf(WPARAM wParam);
// The shift state now.
int16_t ShiftState();
// The run time's key code for a virtual key; key::kNone for one it has no
// code for.
int16_t KeyCode(WPARAM virtualKey);
// The system's double-click time and distance, the distance in the program's
// pixels at `scale`.
ClickLimits ClickLimitsAt(DisplayScale scale);

}  // namespace host::win32
