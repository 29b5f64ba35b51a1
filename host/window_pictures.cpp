#include "host/window_pictures.h"

namespace host {

void DrawBackground(const FormDesign& design, Surface& image) {
  if (design.picture.empty()) return;
  const Picture background = ReadBackground(design.picture);
  image.DrawPicture(background.width, background.height, background.rgba.data());
}

std::vector<Picture> IconsOf(const FormDesign& design) {
  if (design.icon.empty()) return {};
  return ReadIcon(design.icon);
}

std::optional<CursorPicture> HandOf(const FormDesign& design) {
  for (const ControlDesign& control : design.controls)
    if (control.mousePointer == pointer::kCustom && !control.mouseIcon.empty())
      return ReadCursor(control.mouseIcon);
  return std::nullopt;
}

}  // namespace host
