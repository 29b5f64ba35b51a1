// What the start-up benchmark and the bare window agree on.
#pragma once

namespace bench {

// The bare window's title, by which the benchmark knows it is on screen.
constexpr char kBareWindowTitle[] = "Bare FLTK window";
constexpr char kBareWin32WindowTitle[] = "Bare Win32 window";

}  // namespace bench
