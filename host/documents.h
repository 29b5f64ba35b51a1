// What the shell may be handed to open, the same under every host.
#pragma once

namespace host {

// What a path names, as the system tells it with links followed.
enum class EntryKind { kNothing, kFile, kFolder, kOther };

// Whether a path names a document the shell may open: only a file does. A
// folder would bring a file browser up over the menu, and a device or a pipe
// is no document. Of anything else the user is told as of a missing file,
// and false comes back.
bool CheckDocument(EntryKind entry);

}  // namespace host
