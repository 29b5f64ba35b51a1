// The opener: hands a path or address to xdg-open without waiting for it,
// and tells the user if it turns out that nothing could open it.
#pragma once

#include <cstdint>
#include <string_view>

namespace host::fltk {

// Answers as the Windows shell does: above 32 when the document was handed
// over, 2 for a missing file, 31 when no program takes it or the operation
// is not "open".
intptr_t OpenDocument(std::string_view operation, std::string_view file);

// Forgets the openers still running: their verdicts would have no one to
// tell once the run time is gone.
void StopWatchingOpeners();

}  // namespace host::fltk
