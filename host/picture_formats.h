// Readers for the three picture files the window is built with: the
// background, the three-image icon and the hand cursor. They accept exactly
// the forms the program ships and refuse anything else with a run-time
// error, so a damaged file is reported rather than misdrawn.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/design.h"
#include "host/display_scale.h"

namespace host {

// Top-down rows of red, green, blue, alpha.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
};

struct CursorPicture {
  Picture image;
  int hotX = 0, hotY = 0;
};

constexpr int kBackgroundWidth = 640;
constexpr int kBackgroundHeight = 480;
constexpr std::array<int, 3> kIconSizes = {16, 32, 48};
constexpr int kCursorSize = 32;

// The background, 640 x 480 and fully opaque: as built in, a PNG of 8-bit
// red, green and blue; as drawn, a bottom-up, uncompressed 24-bit bitmap.
Picture ReadBackground(Bytes file);
// The icon's 16, 32 and 48 pixel images, in that order; clear pixels of the
// mask get alpha 0.
std::vector<Picture> ReadIcon(Bytes file);
// One 32 x 32 black-and-white image and its hot spot.
CursorPicture ReadCursor(Bytes file);

// A cursor at a display scale: each screen pixel as the cursor's pixel it
// belongs to, so that its black and white stay crisp; the hot spot on the
// first screen pixel of its own.
CursorPicture ScaledCursor(const CursorPicture& cursor, DisplayScale scale);

}  // namespace host
