// The current FLTK event as the run time describes it to the shared rules.
#pragma once

#include <cstdint>

#include "host/display_scale.h"
#include "host/double_clicks.h"

namespace host::fltk {

// The button of a press or release: 1 left, 2 right, 4 middle.
int16_t ButtonValue(int flButton);
// The buttons held now, added up as above.
int16_t ButtonsHeld();
// The shift state: 1 Shift, 2 Ctrl, 4 Alt, added up.
int16_t ShiftState();
// The run time's key code for an FLTK key; key::kNone for one it has no code for.
int16_t KeyCode(int flKey);
// The desktop's double-click limits, in the program's pixels at `scale`.
ClickLimits ClickLimitsAt(DisplayScale scale);

}  // namespace host::fltk
