// The pictures a window is built with: its background, its icons and the
// hand cursor of its hot areas.
#pragma once

#include <FL/Fl_RGB_Image.H>

#include <memory>
#include <vector>

#include "host/design.h"
#include "host/surface.h"

namespace host::fltk {

struct WindowPictures {
  std::vector<std::unique_ptr<Fl_RGB_Image>> icons;  // smallest first
  std::unique_ptr<Fl_RGB_Image> hand;
  int handX = 0, handY = 0;  // the hand's hot spot
};

// Draws the design's background onto `image` and reads its icon and the
// first custom pointer among its controls. A damaged picture raises the
// run time's error.
WindowPictures LoadPictures(const FormDesign& design, Surface& image);

}  // namespace host::fltk
