// Prints, one a line, the names the menu opens beside the program; media
// folders end in "/". The disc image script checks a maker's folder by them.
#include <iostream>

#include "app/form1.h"

int main() {
  for (const app::DiscEntry& entry : app::DiscEntries()) {
    std::cout << entry.name << (entry.folder ? "/" : "") << '\n';
  }
}
