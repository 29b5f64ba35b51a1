// Where a window first shows on the screen, the same under every host.
#pragma once

#include <cstdint>

#include "host/host.h"

namespace host {

struct Place {
  int32_t left = 0, top = 0;
  friend bool operator==(const Place&, const Place&) = default;
};

// A window of width by height centred on the screen. On a screen smaller
// than the window its top right corner, which holds the cross that closes
// it, stays on the screen: the window hangs off the left and the bottom.
Place CentredPlace(const Rect& screen, int32_t width, int32_t height);

}  // namespace host
