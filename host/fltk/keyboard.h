// Every key of a form's window goes to its shared input rules, whichever
// of its widgets has FLTK's focus: the rules give keys to the window first.
#pragma once

namespace host::fltk {

void InstallKeyboard();

}  // namespace host::fltk
