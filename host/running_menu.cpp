#include "host/running_menu.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

namespace host {

std::string RunningMenuName(std::string_view folder) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : folder) hash = (hash ^ c) * 1099511628211ull;
  char name[48];
  std::snprintf(name, sizeof name, "_ZORVANTA_MENU_%016" PRIx64, hash);
  return name;
}

}  // namespace host
