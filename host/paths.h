// Paths as the program writes them, Windows-style with "\", read on this
// system; and the program's own folder.
#pragma once

#include <string>
#include <string_view>

namespace host {

// "\" and "/" both separate folders and a run of them counts as one; no
// trailing separator except at the root. Other bytes pass unchanged.
std::string NativePath(std::string_view text);

// A web address rather than a file: a scheme followed by "://".
bool IsWebAddress(std::string_view text);

// The file a command runs: a name with a "/" as it is, a bare name from the
// first folder of search_path (":"-separated) holding a runnable file of it;
// "" when none does.
std::string CommandFile(std::string_view command, std::string_view search_path);

// The folder of the running program file (not the working folder).
std::string ProgramFolder();

}  // namespace host
