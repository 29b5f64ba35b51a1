// Paths on Windows: the program's "\" joins are the system's own, so only
// "/" is turned round, and roots keep the separator that makes them roots.
#include "host/paths.h"

#include <shlwapi.h>
#include <windows.h>

#include <string>

#include "host/win32/system_library.h"
#include "host/win32/unicode.h"

namespace host {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "E:\" and "\\server\share\" name roots; "E:" alone is the current folder
// on drive E, and "\\server\share" is no folder at all without its "\".
bool IsRoot(std::string_view path) {
  if (path.size() == 3 && path[1] == ':') return true;
  if (!path.starts_with("\\\\")) return path == "\\";
  const size_t server = path.find('\\', 2);
  return server != std::string_view::npos && path.find('\\', server + 1) == path.size() - 1;
}
}  // namespace

std::string NativePath(std::string_view text) {
  std::string path;
  path.reserve(text.size());
  for (char c : text) {
    if (!IsSeparator(c)) {
      path += c;
    } else if (path.empty() || path.back() != '\\' || path == "\\") {
      path += '\\';  // a run counts as one, but for the two of a network path
    }
  }
  if (path.size() > 1 && path.back() == '\\' && !IsRoot(path)) path.pop_back();
  return path;
}

// A backslash never stands inside a Windows name.
std::string ShownPath(std::string_view native) { return std::string(native); }

// The system finds names whatever their case.
std::string FindOnDisc(std::string_view text) { return NativePath(text); }

bool IsWebAddress(std::string_view text) {
  static const auto isUrl =
      win32::SystemFunction<decltype(PathIsURLW)>(L"shlwapi.dll", "PathIsURLW");
  return isUrl && isUrl(win32::Wide(text).c_str());
}

std::string ProgramFolder() {
  std::wstring file(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (length == 0) return ".";
    if (length < file.size()) {
      file.resize(length);
      break;
    }
    file.resize(file.size() * 2);
  }
  const std::string folder = win32::Narrow(file.substr(0, file.rfind(L'\\') + 1));
  return IsRoot(folder) ? folder : NativePath(folder);
}

}  // namespace host
