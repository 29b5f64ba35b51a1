#include "host/file_listing.h"

#include <algorithm>

namespace host {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A run of digits without its leading zeros.
std::string_view DigitRun(std::string_view text, size_t& at) {
  while (at < text.size() && text[at] == '0') ++at;
  const size_t from = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return text.substr(from, at - from);
}

// The next character's place in the order: its code point, letters of
// Latin, Latin-1 and Cyrillic without case, "ё" as "е". A byte that does
// not begin a whole UTF-8 character sorts after every character, alone.
char32_t NextLetter(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = lead < 0x80                   ? 1
                        : lead >= 0xC2 && lead < 0xE0 ? 2
                        : lead >= 0xE0 && lead < 0xF0 ? 3
                        : lead >= 0xF0 && lead < 0xF5 ? 4
                                                      : 0;
  char32_t c = lead;
  bool whole = length > 0 && at + length <= text.size();
  if (length > 1 && whole) {
    c = lead & (0x7F >> length);
    for (size_t i = 1; i < length && whole; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      whole = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
  }
  if (!whole) {
    ++at;
    return 0x110000 + lead;
  }
  at += length;
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F))
    return c + 0x20;                        // A-Z, À-Þ but ×, А-Я
  if (c >= 0x400 && c <= 0x40F) c += 0x50;  // Ѐ-Џ
  return c == 0x451 ? 0x435 : c;            // ё beside е
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
    const char32_t x = NextLetter(a, i), y = NextLetter(b, j);
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
  const int order = NaturalCompare(a, b);
  // Names equal but for case, "ё" or leading zeros are ordered by their bytes.
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
