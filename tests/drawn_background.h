// The background as drawn (app/assets/background.bmp), built into the tests:
// the program has it only as the PNG made from it, and tests compare the two
// or read the bitmap apart from the program's reader.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/design.h"

extern "C" const uint8_t zorvanta_drawn_background_begin[], zorvanta_drawn_background_end[];

inline host::Bytes DrawnBackground() {
  return host::Bytes(
      zorvanta_drawn_background_begin,
      static_cast<size_t>(zorvanta_drawn_background_end - zorvanta_drawn_background_begin));
}
