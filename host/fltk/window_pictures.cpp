#include "host/fltk/window_pictures.h"

#include "host/window_pictures.h"

namespace host::fltk {

namespace {

std::unique_ptr<Fl_RGB_Image> ImageOf(const Picture& picture) {
  auto image =
      std::make_unique<Fl_RGB_Image>(picture.rgba.data(), picture.width, picture.height, 4);
  // Own a copy: the decoded pixels are temporaries.
  return std::unique_ptr<Fl_RGB_Image>(static_cast<Fl_RGB_Image*>(image->copy()));
}

}  // namespace

WindowPictures LoadPictures(const FormDesign& design, DisplayScale scale) {
  WindowPictures pictures;
  for (const Picture& picture : IconsOf(design)) pictures.icons.push_back(ImageOf(picture));
  if (const std::optional<CursorPicture> hand = HandOf(design, scale)) {
    pictures.hand = ImageOf(hand->image);
    pictures.handX = hand->hotX;
    pictures.handY = hand->hotY;
  }
  return pictures;
}

}  // namespace host::fltk
