#include "app/assets.h"

#include <cstdint>

// Bounds of each picture, from assets.S.
extern "C" const uint8_t zorvanta_background_begin[], zorvanta_background_end[];
extern "C" const uint8_t zorvanta_icon_begin[], zorvanta_icon_end[];
extern "C" const uint8_t zorvanta_cursor_begin[], zorvanta_cursor_end[];

namespace app::assets {

namespace {
host::Bytes Between(const uint8_t* begin, const uint8_t* end) {
  return host::Bytes(begin, static_cast<size_t>(end - begin));
}
}  // namespace

host::Bytes Background() { return Between(zorvanta_background_begin, zorvanta_background_end); }
host::Bytes Icon() { return Between(zorvanta_icon_begin, zorvanta_icon_end); }
host::Bytes HandCursor() { return Between(zorvanta_cursor_begin, zorvanta_cursor_end); }

}  // namespace app::assets
