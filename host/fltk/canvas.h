// Paints the window's shared image on FLTK, at the scale it is held at.
#pragma once

#include "host/surface.h"

namespace host::fltk {

// The image at the corner of what FLTK draws into now.
void PaintImage(const Surface& image);

}  // namespace host::fltk
