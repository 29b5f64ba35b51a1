// The three pictures, built into the program so that it stays one file.
#pragma once

#include "host/design.h"

namespace app::assets {

host::Bytes Background();  // 640 x 480, .png of 8-bit red, green and blue
host::Bytes Icon();        // 16, 32 and 48 pixels, .ico
host::Bytes HandCursor();  // 32 x 32, hot spot (5, 0), .cur

}  // namespace app::assets
