#include "host/png_pixels.h"

#include <memory>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#include <stb_image.h>

namespace host {

bool UnpackPngPixels(Bytes file, Picture& picture) {
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
