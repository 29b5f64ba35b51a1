// Between the program's measures and FLTK's: colours and fonts.
#pragma once

#include <FL/Enumerations.H>

#include "host/design.h"
#include "host/display_scale.h"

namespace host::fltk {

Fl_Color ToFlColor(Color color);
// The face and pixel size a control's design asks for, at `scale`.
Fl_Font FontOf(const ControlDesign& design);
int FontSizeOf(const ControlDesign& design, DisplayScale scale);

}  // namespace host::fltk
