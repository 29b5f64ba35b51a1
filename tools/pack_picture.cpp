// Makes the PNG that the program is built with from the drawn background
// bitmap: pack_picture BACKGROUND.BMP OUTPUT.PNG. zlib makes its best effort,
// as every byte is read at a cold start from the disc. Each row gets the
// better of two filters, the one before and the one above, and never the
// Paeth filter: with it the file is 5 % smaller, but it takes a third
// longer to unpack (8.7 ms against 6.5), time that a warm start pays before
// its window shows.
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "host/picture_formats.h"

namespace {

void Append(png_structp png, png_bytep data, size_t size) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

// Red, green, blue rows, top-down; empty if libpng gives up.
std::vector<uint8_t> Png(const host::Picture& picture) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, Append, nullptr);
  png_set_IHDR(png, info, picture.width, picture.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB | PNG_FILTER_UP);
  png_set_compression_level(png, Z_BEST_COMPRESSION);
  png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
  png_write_info(png, info);
  png_set_filler(png, 0, PNG_FILLER_AFTER);  // the picture's alpha is left out
  for (int y = 0; y < picture.height; ++y)
    png_write_row(png, &picture.rgba[static_cast<size_t>(y) * picture.width * 4]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: pack_picture BACKGROUND.BMP OUTPUT.PNG\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<uint8_t> bitmap{std::istreambuf_iterator<char>(in), {}};
  if (!in.is_open() || bitmap.empty()) {
    std::cerr << "pack_picture: cannot read " << argv[1] << '\n';
    return 1;
  }
  std::vector<uint8_t> png;
  try {
    png = Png(host::ReadBackground(bitmap));
  } catch (const host::RuntimeError& error) {
    std::cerr << "pack_picture: " << argv[1] << ": " << error.what() << '\n';
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (png.empty() || !out.flush()) {
    std::cerr << "pack_picture: cannot write " << argv[2] << '\n';
    return 1;
  }
  std::cout << "pack_picture: " << bitmap.size() << " bytes in " << png.size() << '\n';
  return 0;
}
