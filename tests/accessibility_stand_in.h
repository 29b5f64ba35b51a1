// The window's rules as a screen reader's bridge sees them, stood in for: the
// design's painted entries where the design puts them, the panel hidden, and
// a record of what the reader asked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/form1_design.h"
#include "host/accessibility.h"

namespace stand_in {

using host::accessibility::Entry;
using host::accessibility::Role;

inline Entry Made(std::string name, Role role, host::Rect rect, std::string value = {}) {
  Entry entry;
  entry.name = std::move(name);
  entry.role = role;
  entry.rect = rect;
  entry.value = std::move(value);
  return entry;
}

class Window final : public host::accessibility::Window {
 public:
  Window() {
    constexpr int k = host::kTwipsPerPixel;
    for (const host::EntryDesign& design : app::Form1Entries())
      for (const host::ControlDesign& control : app::Form1Controls())
        if (design.role != Role::List && control.name == design.control &&
            control.index == design.index) {
          const host::TwipsRect& r = control.rect;
          entries.push_back(
              Made(std::string(design.name), design.role,
                   {r.left / k, r.top / k, (r.left + r.width) / k, (r.top + r.height) / k},
                   std::string(design.value)));
        }
  }
  std::string Title() const override { return "Zorvanta"; }
  std::vector<Entry> Entries() const override {
    std::vector<Entry> shown = entries;
    if (focused) shown[*focused].focused = true;
    return shown;
  }
  std::optional<size_t> FocusedEntry() const override { return focused; }
  bool Active() const override { return true; }
  void Focus(size_t entry) override {
    focused = entry;
    if (listener) listener->FocusMoved();
  }
  void DoDefaultAction(size_t entry) override { actions.push_back(entries[entry].name); }

  std::vector<Entry> entries;
  std::optional<size_t> focused;
  std::vector<std::string> actions;
  host::accessibility::Listener* listener = nullptr;  // told when a reader moves the focus
};

}  // namespace stand_in
