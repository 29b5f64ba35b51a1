#include "host/win32/opener.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <type_traits>

#include "host/documents.h"
#include "host/host.h"
#include "host/messages.h"
#include "host/paths.h"
#include "host/win32/system_library.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

constexpr intptr_t kShellFileNotFound = SE_ERR_FNF;
static_assert(std::is_same_v<ShellExecuteFunction, decltype(ShellExecuteW)>);

EntryKind EntryKindOf(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::kNothing;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::kFolder;
  return attributes & FILE_ATTRIBUTE_DEVICE ? EntryKind::kOther : EntryKind::kFile;
}

// The system's text, or none where the program gives an empty one.
const wchar_t* OrNone(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

ShellExecuteFunction* shellExecute = nullptr;

}  // namespace

void SetShellExecute(ShellExecuteFunction* function) { shellExecute = function; }

intptr_t OpenDocument(HWND owner, std::string_view operation, std::string_view file,
                      std::string_view parameters, std::string_view directory,
                      int32_t showCommand) {
  const bool web = IsWebAddress(file);
  const std::wstring target = Wide(web ? std::string(file) : NativePath(file));
  // The shell says nothing of a missing file; the user is told here.
  if (!web && !CheckDocument(EntryKindOf(target))) return kShellFileNotFound;
  if (!shellExecute)
    shellExecute = SystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
  if (!shellExecute) return SE_ERR_DLLNOTFOUND;
  const std::wstring wideParameters = Wide(parameters), wideDirectory = Wide(directory);
  return reinterpret_cast<intptr_t>(shellExecute(owner, Wide(operation).c_str(), target.c_str(),
                                                 OrNone(wideParameters), OrNone(wideDirectory),
                                                 showCommand));
}

}  // namespace host::win32
