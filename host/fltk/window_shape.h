// A window's outline on the screen: a rounded rectangle, kept as bands of
// rows so that it can be applied again whenever the window is shown.
#pragma once

#include <FL/Fl_Window.H>

#include <cstdint>
#include <vector>

#include "host/display_scale.h"
#include "host/native_window.h"

namespace host::fltk {

class WindowShape {
 public:
  // The rounded rectangle of the program's pixels at `scale`, cut to a
  // window of width x height screen pixels.
  void Set(const RoundShape& shape, DisplayScale scale, int width, int height);
  // Gives the shown window this outline; a window never given one is left
  // rectangular.
  void ApplyTo(Fl_Window& window) const;

  struct Band {
    int x, y, width, height;
  };
  const std::vector<Band>& bands() const { return bands_; }

 private:
  std::vector<Band> bands_;
};

}  // namespace host::fltk
