// Packs a picture for building into a program: pack_picture INPUT OUTPUT.
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "host/packing.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: pack_picture INPUT OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<uint8_t> picture{std::istreambuf_iterator<char>(in), {}};
  if (!in.is_open() || picture.empty()) {
    std::cerr << "pack_picture: cannot read " << argv[1] << '\n';
    return 1;
  }
  const std::vector<uint8_t> packed = host::Pack(picture);
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(packed.data()),
            static_cast<std::streamsize>(packed.size()));
  if (!out.flush()) {
    std::cerr << "pack_picture: cannot write " << argv[2] << '\n';
    return 1;
  }
  std::cout << "pack_picture: " << picture.size() << " bytes in " << packed.size() << '\n';
  return 0;
}
