#include "host/fltk/window_pictures.h"

#include "host/picture_formats.h"

namespace host::fltk {

namespace {

std::unique_ptr<Fl_RGB_Image> ImageOf(const Picture& picture) {
  auto image =
      std::make_unique<Fl_RGB_Image>(picture.rgba.data(), picture.width, picture.height, 4);
  // Own a copy: the decoded pixels are temporaries.
  return std::unique_ptr<Fl_RGB_Image>(static_cast<Fl_RGB_Image*>(image->copy()));
}

}  // namespace

WindowPictures LoadPictures(const FormDesign& design, Surface& image) {
  // A design without a picture shows the plain face; a damaged one is the
  // reader's run-time error.
  WindowPictures pictures;
  if (!design.picture.empty()) {
    const Picture background = ReadBackground(design.picture);
    image.DrawPicture(background.width, background.height, background.rgba.data());
  }
  if (!design.icon.empty())
    for (const Picture& picture : ReadIcon(design.icon)) pictures.icons.push_back(ImageOf(picture));
  for (const ControlDesign& control : design.controls) {
    if (control.mousePointer != pointer::kCustom || control.mouseIcon.empty()) continue;
    const CursorPicture cursor = ReadCursor(control.mouseIcon);
    pictures.hand = ImageOf(cursor.image);
    pictures.handX = cursor.hotX;
    pictures.handY = cursor.hotY;
    break;
  }
  return pictures;
}

}  // namespace host::fltk
