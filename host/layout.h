// Where a window's controls lie: placed from its design in the program's
// pixels, stacked as the run time stacks them, found by name or by a point.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "host/design.h"
#include "host/display_scale.h"

namespace host {

// The program's twips as its whole pixels, rounded as the run time rounds; a
// value beyond what a pixel count holds raises err::kOverflow.
int32_t PixelsOf(double twips);
// The program's pixels, fractions kept, as twips.
float TwipsFrom(double pixels);

struct PixelRect {
  int32_t left = 0, top = 0, width = 0, height = 0;
  int64_t right() const { return int64_t{left} + width; }
  int64_t bottom() const { return int64_t{top} + height; }
  bool Contains(float x, float y) const;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A rectangle of the program's pixels on the screen at `scale`: from the
// screen pixel of its corner to that of the corner beyond.
PixelRect OnScreen(const PixelRect& rect, DisplayScale scale);

// A control's number: its place in the design. The window's bare background
// is none of them.
constexpr int kBackground = -1;

struct PlacedControl {
  const ControlDesign* design;
  int container;    // the control it lies in; kBackground: the window itself
  PixelRect rect;   // in the window's pixels
  PixelRect inner;  // its client area, inside a picture box's border
  bool visible;     // its own Visible
};

class Layout {
 public:
  // Containers are placed before what they hold. A container the design
  // lacks raises err::kInvalidProperty.
  explicit Layout(const FormDesign& design);

  int size() const { return static_cast<int>(controls_.size()); }
  const PlacedControl& operator[](int control) const { return controls_[control]; }
  const ControlDesign& design(int control) const { return *controls_[control].design; }

  // The control of that name and array index, or kBackground.
  int Find(std::string_view name, std::optional<int16_t> index) const;
  // The same, where a name the design lacks raises err::kInvalidProperty.
  int Named(std::string_view name, std::optional<int16_t> index) const;

  // The controls lying in `container`, bottom first: labels below the
  // windowed controls, later ones above earlier ones.
  std::vector<int> Stacked(int container) const;
  void setVisible(int control, bool visible) { controls_[control].visible = visible; }
  // Visible, and in containers that are all visible.
  bool Shown(int control) const;
  // The topmost shown control at (x, y) of the window, in pixels: inside a
  // container, the control under it there, clipped to its client area; else
  // kBackground.
  int ControlAt(float x, float y) const;

  // A control's place in its container's client area, in twips.
  float Left(int control) const;
  float Top(int control) const;
  float Width(int control) const;
  float Height(int control) const;

 private:
  int Place(const FormDesign& design, size_t at, std::vector<bool>& placing);
  int At(int container, float x, float y) const;

  std::vector<PlacedControl> controls_;
};

}  // namespace host
