#include "host/layout.h"

#include "host/messages.h"
#include "host/numbers.h"

namespace host {

namespace {

bool IsWindowed(const ControlDesign& design) { return design.type != ControlType::Label; }

// A picture box's border takes one pixel on each side of its client area.
int32_t BorderOf(const ControlDesign& design) {
  return design.type == ControlType::PictureBox && design.borderStyle != 0 ? 1 : 0;
}

}  // namespace

int32_t PixelsOf(double twips) { return CLng(twips / kTwipsPerPixel); }

float TwipsFrom(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

PixelRect OnScreen(const PixelRect& rect, DisplayScale scale) {
  const auto left = static_cast<int32_t>(scale.ToScreen(rect.left));
  const auto top = static_cast<int32_t>(scale.ToScreen(rect.top));
  return PixelRect{left, top, static_cast<int32_t>(scale.ToScreen(rect.right()) - left),
                   static_cast<int32_t>(scale.ToScreen(rect.bottom()) - top)};
}

bool PixelRect::Contains(float x, float y) const {
  return x >= left && x < right() && y >= top && y < bottom();
}

Layout::Layout(const FormDesign& design) {
  controls_.resize(design.controls.size(), PlacedControl{nullptr, kBackground, {}, {}, false});
  std::vector<bool> placing(design.controls.size());
  for (size_t i = 0; i < design.controls.size(); ++i) Place(design, i, placing);
}

// Places a control after its container; returns its number.
int Layout::Place(const FormDesign& design, size_t at, std::vector<bool>& placing) {
  PlacedControl& placed = controls_[at];
  if (placed.design) return static_cast<int>(at);
  const ControlDesign& control = design.controls[at];
  placing[at] = true;
  PixelRect origin;
  int container = kBackground;
  if (!control.container.empty()) {
    for (size_t i = 0; i < design.controls.size() && container == kBackground; ++i)
      if (design.controls[i].name == control.container &&
          design.controls[i].type == ControlType::PictureBox &&
          (controls_[i].design || !placing[i]))
        container = Place(design, i, placing);
    if (container == kBackground)
      throw RuntimeError(err::kInvalidProperty, NoContainerText(control.container));
    origin = controls_[container].inner;
  }
  const PixelRect rect{origin.left + PixelsOf(control.rect.left),
                       origin.top + PixelsOf(control.rect.top), PixelsOf(control.rect.width),
                       PixelsOf(control.rect.height)};
  const int32_t border = BorderOf(control);
  const PixelRect inner{rect.left + border, rect.top + border, rect.width - 2 * border,
                        rect.height - 2 * border};
  controls_[at] = PlacedControl{&control, container, rect, inner, control.visible};
  return static_cast<int>(at);
}

int Layout::Find(std::string_view name, std::optional<int16_t> index) const {
  for (int i = 0; i < size(); ++i)
    if (design(i).name == name && design(i).index == index) return i;
  return kBackground;
}

int Layout::Named(std::string_view name, std::optional<int16_t> index) const {
  const int found = Find(name, index);
  if (found == kBackground) throw RuntimeError(err::kInvalidProperty, NoControlText(name));
  return found;
}

std::vector<int> Layout::Stacked(int container) const {
  std::vector<int> stacked;
  for (bool windowed : {false, true})
    for (int i = 0; i < size(); ++i)
      if (controls_[i].container == container && IsWindowed(design(i)) == windowed)
        stacked.push_back(i);
  return stacked;
}

bool Layout::Shown(int control) const {
  for (int at = control; at != kBackground; at = controls_[at].container)
    if (!controls_[at].visible) return false;
  return true;
}

int Layout::ControlAt(float x, float y) const { return At(kBackground, x, y); }

int Layout::At(int container, float x, float y) const {
  const std::vector<int> stacked = Stacked(container);
  for (auto it = stacked.rbegin(); it != stacked.rend(); ++it) {
    const PlacedControl& placed = controls_[*it];
    if (!placed.visible || !placed.rect.Contains(x, y)) continue;
    if (!placed.inner.Contains(x, y)) return *it;  // its border
    const int inside = At(*it, x, y);
    return inside == kBackground ? *it : inside;
  }
  return kBackground;
}

float Layout::Left(int control) const {
  const PlacedControl& placed = controls_[control];
  const int32_t origin =
      placed.container == kBackground ? 0 : controls_[placed.container].inner.left;
  return TwipsFrom(placed.rect.left - origin);
}

float Layout::Top(int control) const {
  const PlacedControl& placed = controls_[control];
  const int32_t origin =
      placed.container == kBackground ? 0 : controls_[placed.container].inner.top;
  return TwipsFrom(placed.rect.top - origin);
}

float Layout::Width(int control) const { return TwipsFrom(controls_[control].rect.width); }
float Layout::Height(int control) const { return TwipsFrom(controls_[control].rect.height); }

}  // namespace host
