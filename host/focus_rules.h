// Where the keyboard is among a window's entries: the order in which Tab,
// Shift+Tab and the arrow keys go through them, the list that joins that
// order while its panel shows, and the entry that takes the focus back when
// the panel hides. And the focus ring each host draws over its picture.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "host/design.h"
#include "host/surface.h"

namespace host {

class FocusRules {
 public:
  explicit FocusRules(std::span<const EntryDesign> entries) : entries_(entries) {}

  // The entries the keyboard reaches, as numbers of the design's table, in
  // reading order: the list, while its panel shows, right after the entry
  // that showed it.
  std::vector<size_t> Order(bool panelShown) const;
  // The entry that has the focus, if any; none while the window itself has it.
  std::optional<size_t> focused() const { return focused_; }
  // Whether the focus is on the design's list entry.
  bool OnList() const;

  // Forward (Tab, Right, Down) or back (Shift+Tab, Left, Up), round the end;
  // from no entry, to the first or the last.
  void Step(bool forward, bool panelShown);
  void FocusOn(size_t entry) { focused_ = entry; }
  // The entry whose click is being delivered, if any: the one that shows
  // the panel should the click show it.
  void Clicking(std::optional<size_t> entry) { clicking_ = entry; }
  // The panel came to show: the list takes the focus.
  void PanelShown();
  // The panel hid: the entry that showed it takes the focus back from the list.
  void PanelHidden();

  // The first key shows the ring, and it stays from then on.
  void KeyPressed() { ringShown_ = true; }
  bool ringShown() const { return ringShown_; }

  // The table entry of a control, if it is one.
  std::optional<size_t> EntryOf(std::string_view control, std::optional<int16_t> index) const;
  const EntryDesign& entry(size_t number) const { return entries_[number]; }

 private:
  std::optional<size_t> ListEntry() const;

  std::span<const EntryDesign> entries_;
  std::optional<size_t> focused_;
  std::optional<size_t> clicking_;
  std::optional<size_t> opener_;  // the entry that showed the panel
  bool ringShown_ = false;
};

// A box of the focus ring to fill, in program pixels.
struct RingBox {
  Rect rect;
  Rgb colour;
};
// The ring around a hot area: a bright double line between two dark ones, so
// that it shows on the dark sky and on pale letters alike; each line one
// pixel wide, as four boxes.
std::vector<RingBox> FocusRing(const Rect& hotArea);

}  // namespace host
