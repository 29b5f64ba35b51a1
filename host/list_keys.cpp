#include "host/list_keys.h"

#include <algorithm>

#include "host/host.h"
#include "host/paths.h"

namespace host {

namespace {

// The first character of UTF-8 text, whole; a stray byte alone.
std::string_view FirstCharacter(std::string_view text) {
  if (text.empty()) return text;
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  length = std::min(length, text.size());
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return text.substr(0, 1);
  return text.substr(0, length);
}

}  // namespace

int RowAfterKey(int16_t code, int selected, int count, int page) {
  if (count <= 0) return -1;
  const int last = count - 1;
  page = std::max(page, 1);
  switch (code) {
    case key::kUp:
      return selected < 0 ? 0 : std::max(selected - 1, 0);
    case key::kDown:
      return std::min(selected + 1, last);
    case key::kHome:
      return 0;
    case key::kEnd:
      return last;
    case key::kPageUp:
      return std::max(selected - page, 0);
    case key::kPageDown:
      return std::min(selected < 0 ? page - 1 : selected + page, last);
    default:
      return -1;
  }
}

int RowStartingWith(std::string_view typed, int selected, const std::vector<std::string>& names) {
  const std::string wanted = FoldCase(FirstCharacter(typed));
  if (wanted.empty()) return selected;
  const int count = static_cast<int>(names.size());
  for (int step = 1; step <= count; ++step) {
    const int row = ((selected < 0 ? -1 : selected) + step) % count;
    if (FoldCase(FirstCharacter(names[row])) == wanted) return row;
  }
  return selected;
}

}  // namespace host
