#include "host/running_menu.h"

#include <cstdint>

namespace host {

std::string RunningMenuName(std::string_view folder) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : folder) hash = (hash ^ c) * 1099511628211ull;
  std::string name = "_ZORVANTA_MENU_";
  for (int shift = 60; shift >= 0; shift -= 4) name += "0123456789abcdef"[(hash >> shift) & 0xF];
  return name;
}

}  // namespace host
