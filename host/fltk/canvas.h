// Paints the window's shared image on FLTK, at the scale it is held at.
#pragma once

#include "host/canvas.h"

namespace host::fltk {

// What the canvas shows, at the corner of what FLTK draws into now: the
// rows of a window width x height that FLTK repaints.
void PaintImage(const Canvas& canvas, int width, int height);

}  // namespace host::fltk
