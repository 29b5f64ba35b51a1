// Which pointer a window shows: a hot area's hand, the window's own
// MousePointer over its background, the arrow elsewhere.
#pragma once

#include <cstdint>

#include "host/design.h"

namespace host {

enum class Cursor { kArrow, kHand, kSizeAll };

// The pointer over `control` (null: the bare background), whose window's
// MousePointer is `formPointer`. The hand is the first custom pointer of
// the design: the hot areas all carry the same.
Cursor CursorOver(const ControlDesign* control, int32_t formPointer);

}  // namespace host
