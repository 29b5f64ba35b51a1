// How the menu stands on the desktop: in the taskbar and the window
// switcher, and once per disc folder.
#pragma once

#include <string_view>

class Fl_Window;

namespace host::fltk {

// Undoes FLTK's hiding of borderless windows from the taskbar and the
// switcher: the player covers the menu, and the user must get back to it.
void ShowInTaskbar(const Fl_Window& window);

// A disc started twice, by the desktop and by an impatient double click,
// shows one menu. True when a menu from the same folder already runs on
// this display; it is then raised and focused. Else this start claims the
// folder until it ends.
bool RaiseRunningMenu(std::string_view folder);

// Tells later starts from the same folder which window to raise.
void AnnounceMenu(const Fl_Window& window);

}  // namespace host::fltk
