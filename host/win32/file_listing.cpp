// A folder's entries on Windows: read with the system's wide calls, so that
// any name arrives whole whatever the code page.
#include "host/file_listing.h"

#include <windows.h>

#include "host/host.h"
#include "host/messages.h"
#include "host/win32/unicode.h"

namespace host {

namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::vector<FolderEntry> ReadFolder(const std::string& native) {
  const std::wstring folder = win32::Wide(native);
  std::wstring pattern = folder;
  if (!pattern.ends_with(L'\\')) pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // An empty drive root has not even "." to show: an empty folder.
    if (GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(folder)) return {};
    throw RuntimeError(err::kPathNotFound, std::string(text::kPathNotFound));
  }
  std::vector<FolderEntry> entries;
  do {
    entries.push_back({win32::Narrow(found.cFileName),
                       (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

}  // namespace host
