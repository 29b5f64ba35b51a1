// What only POSIX systems need of paths, beside the shared host/paths.h.
#pragma once

#include <string>
#include <string_view>

namespace host {

// The file a command runs: a name with a "/" as it is, a bare name from the
// first folder of search_path (":"-separated) holding a runnable file of it;
// "" when none does.
std::string CommandFile(std::string_view command, std::string_view search_path);

}  // namespace host
