#include "host/file_listing.h"

#include <algorithm>

namespace host {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A run of digits without its leading zeros.
std::string_view DigitRun(std::string_view text, size_t& at) {
  while (at < text.size() && text[at] == '0') ++at;
  const size_t from = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return text.substr(from, at - from);
}

// Negative, zero or positive as a sorts before, with or after b.
int NaturalCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const std::string_view x = DigitRun(a, i), y = DigitRun(b, j);
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (const int order = x.compare(y); order != 0) return order;
      continue;
    }
    const auto x = static_cast<unsigned char>(Folded(a[i])),
               y = static_cast<unsigned char>(Folded(b[j]));
    if (x != y) return x < y ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
  const int order = NaturalCompare(a, b);
  // Names equal but for case or leading zeros are ordered by their bytes.
  return order != 0 ? order < 0 : a < b;
}

std::vector<std::string> ListedFiles(std::vector<FolderEntry> entries) {
  std::vector<std::string> files;
  files.reserve(entries.size());
  for (FolderEntry& entry : entries)
    if (!entry.folder && !entry.hidden && !entry.name.starts_with('.'))
      files.push_back(std::move(entry.name));
  std::sort(files.begin(), files.end(), NaturalLess);
  return files;
}

}  // namespace host
