// Whether text can be drawn at all. FLTK ends the program when it finds no
// font; without one the menu goes on and leaves its texts out.
#pragma once

namespace host::fltk {

// Asks once, and sets text up to suit the display; when no font is usable,
// says so once on standard error.
bool TextDrawable();

}  // namespace host::fltk
