#include "host/paths.h"

namespace host {

std::string FoldCase(std::string_view name) {
  std::string folded(name);
  for (size_t i = 0; i < folded.size(); ++i) {
    auto& lead = reinterpret_cast<unsigned char&>(folded[i]);
    if (lead >= 'A' && lead <= 'Z') {
      lead += 'a' - 'A';
      continue;
    }
    if (i + 1 == folded.size()) break;
    auto& next = reinterpret_cast<unsigned char&>(folded[i + 1]);
    if (next < 0x80 || next > 0xBF) continue;
    if (lead == 0xC3 && next <= 0x9E && next != 0x97) {  // À..Þ but ×
      next += 0x20;
    } else if (lead == 0xD0 && next <= 0x8F) {  // Ѐ..Џ
      lead = 0xD1, next += 0x10;
    } else if (lead == 0xD0 && next >= 0x90 && next <= 0x9F) {  // А..П
      next += 0x20;
    } else if (lead == 0xD0 && next >= 0xA0 && next <= 0xAF) {  // Р..Я
      lead = 0xD1, next -= 0x20;
    }
    ++i;
  }
  return folded;
}

}  // namespace host
