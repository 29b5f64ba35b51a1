// Paths as the program writes them, Windows-style with "\", read on the
// system it runs on; and the program's own folder. Each system defines these
// in its own folder (posix/, win32/); FoldCase alone is the same everywhere.
#pragma once

#include <string>
#include <string_view>

namespace host {

// The system's path for a text of the program: "\" and "/" both separate
// folders and a run of them counts as one; no trailing separator except at
// a root. On POSIX, U+F05C, the program's view of a "\" inside a name,
// becomes that "\" again. Other bytes pass unchanged.
std::string NativePath(std::string_view text);

// A path of the system as the program may see it. On POSIX a "\" inside a
// name shows as U+F05C, the private-use character Cygwin and Samba use for
// it, so that the program's joins with "\" never split the name; Windows
// paths are already the program's.
std::string ShownPath(std::string_view native);

// Names compared as Windows compares them: ASCII, Latin-1 and Cyrillic
// letters without regard to case; any other byte as it is.
std::string FoldCase(std::string_view name);

// The entry a path the program wrote means on the system: on POSIX, on a
// disc copied by a tool that changed the case of names, one name at a time,
// the name with any U+F05C in it as it is, else with "\" for it, else the
// only entry equal to it without regard to case. A literal name wins over the
// one it may stand for as an exact one wins over one in another case. The
// native path when there is no such entry or more than one, and always on
// Windows, whose names ignore case themselves.
std::string FindOnDisc(std::string_view text);

// A web address rather than a file: a scheme followed by "://".
bool IsWebAddress(std::string_view text);

// The folder of the running program file (not the working folder).
std::string ProgramFolder();

}  // namespace host
