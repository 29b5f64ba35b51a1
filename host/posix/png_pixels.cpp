#include "host/png_pixels.h"

#include <png.h>

namespace host {

bool UnpackPngPixels(Bytes file, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return false;
  image.format = PNG_FORMAT_RGBA;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.rgba.resize(PNG_IMAGE_SIZE(image));
  // Frees what it holds, whether or not it succeeds.
  return png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) != 0;
}

}  // namespace host
