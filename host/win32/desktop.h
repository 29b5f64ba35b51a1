// How the menu stands on the desktop: once per disc folder.
#pragma once

#include <windows.h>

#include <string_view>

namespace host::win32 {

// A disc started twice, by autoplay and by an impatient double click, shows
// one menu. True when a menu from the same folder already runs in this
// session; it is then raised and focused. Else this start claims the folder
// until it ends.
bool RaiseRunningMenu(std::string_view folder);

// Tells later starts from the same folder which window to raise.
void AnnounceMenu(HWND window);

}  // namespace host::win32
