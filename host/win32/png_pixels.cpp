#include "host/png_pixels.h"

#include <array>
#include <memory>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#include <stb_image.h>

namespace host {

namespace {

constexpr size_t kSignature = 8;

uint32_t BigEndian32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) << 24 | static_cast<uint32_t>(at[1]) << 16 |
         static_cast<uint32_t>(at[2]) << 8 | at[3];
}

// The checksum PNG keeps of each chunk (the one zlib and Ethernet use).
uint32_t Crc32(Bytes data) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> entries{};
    for (uint32_t n = 0; n < entries.size(); ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ c >> 1 : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t byte : data) crc = table[(crc ^ byte) & 0xFF] ^ crc >> 8;
  return crc ^ 0xFFFFFFFFu;
}

// stb_image reads past the checksums, which libpng checks; every chunk,
// whole as the reader found it, must be unchanged.
bool ChunksUnchanged(Bytes file) {
  for (size_t at = kSignature; at < file.size();) {
    const size_t length = BigEndian32(&file[at]);
    if (Crc32(file.subspan(at + 4, length + 4)) != BigEndian32(&file[at + 8 + length]))
      return false;
    at += length + 12;
  }
  return true;
}

}  // namespace

bool UnpackPngPixels(Bytes file, Picture& picture) {
  if (!ChunksUnchanged(file)) return false;
  int channels = 0;
  const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
      stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &picture.width,
                            &picture.height, &channels, 4),
      stbi_image_free);
  if (!pixels) return false;
  const size_t size = static_cast<size_t>(picture.width) * picture.height * 4;
  picture.rgba.assign(pixels.get(), pixels.get() + size);
  return true;
}

}  // namespace host
