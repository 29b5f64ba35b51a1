#include "host/paths.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace host {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

std::string NativePath(std::string_view text) {
  std::string path;
  path.reserve(text.size());
  for (char c : text) {
    if (!IsSeparator(c)) {
      path += c;
    } else if (path.empty() || path.back() != '/') {
      path += '/';
    }
  }
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
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
