// Paths on POSIX systems: "/" separates folders, and "\" may be part of a
// name, which the program sees as U+F05C.
#include "host/posix/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "host/paths.h"

namespace host {

namespace {

constexpr std::string_view kShownBackslash = "\xEF\x81\x9C";  // U+F05C

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// The one entry of the folder whose name, as the program sees it, equals
// shown without regard to case.
std::string OnlyEntryLike(const std::string& folder, std::string_view shown) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return {};
  const std::string wanted = FoldCase(shown);
  std::string found;
  int matches = 0;
  while (const dirent* entry = readdir(dir.get())) {
    if (FoldCase(ShownPath(entry->d_name)) != wanted) continue;
    found = entry->d_name;
    ++matches;
  }
  return matches == 1 ? found : std::string{};
}

// The program's path with "/" between its names; U+F05C inside a name made
// "\" again, or kept as it is.
std::string Joined(std::string_view text, bool backslashes) {
  std::string path;
  path.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (backslashes && text.substr(i, kShownBackslash.size()) == kShownBackslash) {
      path += '\\';
      i += kShownBackslash.size() - 1;
    } else if (!IsSeparator(text[i])) {
      path += text[i];
    } else if (path.empty() || path.back() != '/') {
      path += '/';
    }
  }
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::vector<std::string_view> NamesOf(std::string_view path) {
  std::vector<std::string_view> names;
  for (size_t from = 0; from < path.size();) {
    size_t end = path.find('/', from);
    if (end == std::string_view::npos) end = path.size();
    if (end > from) names.push_back(path.substr(from, end - from));
    from = end + 1;
  }
  return names;
}

}  // namespace

std::string NativePath(std::string_view text) { return Joined(text, true); }

std::string ShownPath(std::string_view native) {
  std::string shown;
  shown.reserve(native.size());
  for (char c : native) {
    if (c == '\\') {
      shown += kShownBackslash;
    } else {
      shown += c;
    }
  }
  return shown;
}

std::string FindOnDisc(std::string_view text) {
  const std::string literal = Joined(text, false), mapped = Joined(text, true);
  if (literal.empty() || Exists(literal)) return literal;
  const std::vector<std::string_view> literalNames = NamesOf(literal),
                                      mappedNames = NamesOf(mapped);
  std::string found = literal[0] == '/' ? "/" : "";
  for (size_t i = 0; i < literalNames.size(); ++i) {
    const std::string folder = found.empty() ? "." : found;
    if (!found.empty() && found.back() != '/') found += '/';
    std::string name(literalNames[i]);
    if (!Exists(found + name)) name = mappedNames[i];
    if (!Exists(found + name)) name = OnlyEntryLike(folder, literalNames[i]);
    if (name.empty()) return mapped;
    found += name;
  }
  return found;
}

bool IsWebAddress(std::string_view text) {
  const size_t colon = text.find("://");
  if (colon == std::string_view::npos || colon == 0) return false;
  if (!std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  for (char c : text.substr(0, colon)) {
    const auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

std::string CommandFile(std::string_view command, std::string_view search_path) {
  if (command.find('/') != std::string_view::npos) return std::string(command);
  for (size_t begin = 0; begin <= search_path.size();) {
    size_t end = search_path.find(':', begin);
    if (end == std::string_view::npos) end = search_path.size();
    const std::string_view folder = search_path.substr(begin, end - begin);
    // An empty entry is the working folder.
    std::string file(folder.empty() ? "." : folder);
    file += '/';
    file += command;
    if (access(file.c_str(), X_OK) == 0) return file;
    begin = end + 1;
  }
  return "";
}

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string file;
  if (length > 0) {
    file.assign(buffer, static_cast<size_t>(length));
  } else {
    // No /proc: the command line's own name, found as the shell found it.
    const char* search_path = getenv("PATH");
    file = CommandFile(program_invocation_name, search_path ? search_path : "");
    if (file.empty() || !realpath(file.c_str(), buffer)) return ".";
    file = buffer;
  }
  const size_t slash = file.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : file.substr(0, slash);
}

}  // namespace host
