#include "host/documents.h"

#include "host/host.h"
#include "host/messages.h"

namespace host {

bool CheckDocument(EntryKind entry) {
  if (entry == EntryKind::kFile) return true;
  runtime().MsgBox(kFileNotFoundMessage);
  return false;
}

}  // namespace host
