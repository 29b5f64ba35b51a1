// Keys reach the window before the control that has the focus, when its
// design asks for that (KeyPreview).
#pragma once

namespace host::fltk {

void InstallKeyPreview();

}  // namespace host::fltk
