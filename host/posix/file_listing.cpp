// A folder's entries on POSIX systems, the names as the folder holds them.
#include "host/file_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "host/host.h"
#include "host/messages.h"

namespace host {

namespace {

FolderEntry EntryOf(const std::string& folder, const dirent& entry) {
  FolderEntry listed{entry.d_name, entry.d_type == DT_DIR};
  if (entry.d_type == DT_UNKNOWN || entry.d_type == DT_LNK) {
    struct stat info;
    const std::string path = folder + "/" + entry.d_name;
    listed.folder = stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }
  return listed;
}

}  // namespace

std::vector<FolderEntry> ReadFolder(const std::string& native) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(native.c_str()), closedir);
  if (!dir) throw RuntimeError(err::kPathNotFound, std::string(text::kPathNotFound));
  std::vector<FolderEntry> entries;
  while (const dirent* entry = readdir(dir.get())) entries.push_back(EntryOf(native, *entry));
  return entries;
}

}  // namespace host
