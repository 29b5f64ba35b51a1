// The file list's folder: read with the system's wide calls, so that any
// name arrives whole whatever the code page, and shown by the shared rule.
#include "host/file_listing.h"
#include "host/paths.h"
#include "host/win32/internal.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<FolderEntry> EntriesOf(const std::wstring& folder) {
  std::wstring pattern = folder;
  if (!pattern.ends_with(L'\\')) pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // An empty drive root has not even "." to show: an empty folder.
    if (GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(folder)) return {};
    throw RuntimeError(err::kPathNotFound, "Путь не найден");
  }
  std::vector<FolderEntry> entries;
  do {
    entries.push_back({Narrow(found.cFileName),
                       (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

}  // namespace

void FileListControl::setPath(std::string_view folder) {
  const std::string native = NativePath(folder);
  std::vector<std::string> files = ListedFiles(EntriesOf(Wide(native)));

  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window_, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : files)
    SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
  entries_ = std::move(files);
  path_ = native;
}

}  // namespace host::win32
