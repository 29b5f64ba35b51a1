// The pictures a window's design carries: its background, its icon and the
// hand of its hot areas, read the same way under every host. A damaged one
// raises err::kInvalidPicture: the built-in pictures are part of the program.
#pragma once

#include <optional>
#include <vector>

#include "host/canvas.h"
#include "host/design.h"
#include "host/picture_formats.h"

namespace host {

// The face of a window whose design has no picture.
constexpr Rgb kPlaceholderFace{16, 18, 40};

// Draws the design's background onto the canvas; without one, leaves it.
void DrawBackground(const FormDesign& design, Canvas& canvas);
// The icon's images, smallest first; none without an icon.
std::vector<Picture> IconsOf(const FormDesign& design);
// The first custom pointer among the controls: the hand, at `scale`.
std::optional<CursorPicture> HandOf(const FormDesign& design, DisplayScale scale = {});

}  // namespace host
