// Between the program's measures and FLTK's: colours and fonts.
#pragma once

#include <FL/Enumerations.H>

#include "host/design.h"

namespace host::fltk {

Fl_Color ToFlColor(Color color);
// Font size in pixels for a point size, at the standard 96 dots per inch.
int FontPixels(float points);
// The face and pixel size a control's design asks for.
Fl_Font FontOf(const ControlDesign& design);
int FontSizeOf(const ControlDesign& design);

}  // namespace host::fltk
