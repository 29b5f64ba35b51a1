#include "host/paths.h"

#include <unistd.h>

#include <cctype>
#include <climits>
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

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return ".";
  const std::string file(buffer, static_cast<size_t>(length));
  const size_t slash = file.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : file.substr(0, slash);
}

}  // namespace host
