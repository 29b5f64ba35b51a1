#include "host/window_pictures.h"

namespace host {

void DrawBackground(const FormDesign& design, Canvas& canvas) {
  if (design.picture.empty()) return;
  const Picture background = ReadBackground(design.picture);
  canvas.DrawPicture(background.width, background.height, background.rgba.data());
}

std::vector<Picture> IconsOf(const FormDesign& design) {
  if (design.icon.empty()) return {};
  return ReadIcon(design.icon);
}

std::optional<CursorPicture> HandOf(const FormDesign& design, DisplayScale scale) {
  for (const ControlDesign& control : design.controls)
    if (control.mousePointer == pointer::kCustom && !control.mouseIcon.empty())
      return ScaledCursor(ReadCursor(control.mouseIcon), scale);
  return std::nullopt;
}

}  // namespace host
