// The window's icons and hand cursor as FLTK images, from the pictures its
// design carries.
#pragma once

#include <FL/Fl_RGB_Image.H>

#include <memory>
#include <vector>

#include "host/design.h"
#include "host/display_scale.h"

namespace host::fltk {

struct WindowPictures {
  std::vector<std::unique_ptr<Fl_RGB_Image>> icons;  // smallest first
  std::unique_ptr<Fl_RGB_Image> hand;
  int handX = 0, handY = 0;  // the hand's hot spot
};

// The hand at `scale`. A damaged picture raises the run time's error.
WindowPictures LoadPictures(const FormDesign& design, DisplayScale scale);

}  // namespace host::fltk
