// A window's outline on the screen: a rounded rectangle, kept as bands of
// rows so that it can be applied again whenever the window is shown.
#pragma once

#include <FL/Fl_Window.H>

#include <cstdint>
#include <vector>

namespace host::fltk {

class WindowShape {
 public:
  // The rounded rectangle left..right-1, top..bottom-1 with corners of the
  // given ellipse, cut to a window of width x height pixels.
  void Set(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
           int32_t ellipseHeight, int width, int height);
  // The same outline on a screen `factor` times larger, step for step.
  void Enlarge(int factor);
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
