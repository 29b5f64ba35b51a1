// Puts a large image of the program's on the window in the screen's own
// pixel form, so that a scaled window's first picture costs little more
// than an unscaled one's.
#pragma once

#include <cstdint>

namespace host::fltk {

// Draws width x height pixels, 0x00RRGGBB words top-down, at the corner of
// what FLTK draws into now: handed to the X server as they are where its
// screen takes them so, else converted and drawn by FLTK.
void DrawPixelWords(const uint32_t* pixels, int width, int height);

}  // namespace host::fltk
