// The pixels of a PNG whose frame the background's reader has checked:
// 8-bit red, green and blue rows, unpacked into a picture. Each system has
// the decoder that suits it best: on Linux libpng, which the program has
// loaded already (freetype needs it) and which unpacks row by row straight
// into the picture; on Windows, which has none but through COM, stb_image.
#pragma once

#include "host/design.h"
#include "host/picture_formats.h"

namespace host {

// False when a chunk's checksum is wrong or the pixel data is damaged.
bool UnpackPngPixels(Bytes file, Picture& picture);

}  // namespace host
