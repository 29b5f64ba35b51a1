// Writes the demo disc's documents into the folder given on the command line.
#include <cstdint>
#include <exception>
#include <iostream>

#include "tools/disc_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_disc OUTPUT_FOLDER\n";
    return 2;
  }
  try {
    std::uintmax_t total = 0;
    const auto written = disc::WriteDisc(argv[1]);
    for (const disc::WrittenFile& file : written) total += file.size;
    std::cout << "make_disc: " << written.size() << " files, " << total << " bytes in " << argv[1]
              << '\n';
  } catch (const std::exception& error) {
    std::cerr << "make_disc: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
