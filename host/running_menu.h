// One menu per disc folder: the name under which a running menu makes
// itself known, so that a second start from the same folder finds it. The
// same on every system; the systems keep it in their own named objects.
#pragma once

#include <string>
#include <string_view>

namespace host {

// A short name of letters, digits and "_" for the folder: a hash, since the
// systems' names hold no arbitrary text.
std::string RunningMenuName(std::string_view folder);

}  // namespace host
