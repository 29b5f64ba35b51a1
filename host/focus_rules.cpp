#include "host/focus_rules.h"

#include <algorithm>

namespace host {

namespace {

constexpr Rgb kRingDark{0, 0, 0};
constexpr Rgb kRingBright{255, 214, 0};

bool IsList(const EntryDesign& entry) { return entry.role == accessibility::Role::List; }

}  // namespace

std::vector<size_t> FocusRules::Order(bool panelShown) const {
  const std::optional<size_t> list = ListEntry();
  std::vector<size_t> order;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (i != list) order.push_back(i);
    // Without an opener, as the table has it.
    if (panelShown && list && i == opener_.value_or(*list)) order.push_back(*list);
  }
  return order;
}

std::optional<size_t> FocusRules::ListEntry() const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (IsList(entries_[i])) return i;
  return std::nullopt;
}

bool FocusRules::OnList() const { return focused_ && IsList(entries_[*focused_]); }

void FocusRules::Step(bool forward, bool panelShown) {
  const std::vector<size_t> order = Order(panelShown);
  if (order.empty()) return;
  const auto at = focused_ ? std::find(order.begin(), order.end(), *focused_) : order.end();
  const size_t count = order.size();
  if (at == order.end()) {
    focused_ = forward ? order.front() : order.back();
    return;
  }
  const size_t position = static_cast<size_t>(at - order.begin());
  focused_ = order[(position + (forward ? 1 : count - 1)) % count];
}

void FocusRules::PanelShown() {
  if (clicking_) opener_ = clicking_;
  if (const std::optional<size_t> list = ListEntry()) focused_ = list;
}

void FocusRules::PanelHidden() {
  if (OnList()) focused_ = opener_;
}

std::optional<size_t> FocusRules::EntryOf(std::string_view control,
                                          std::optional<int16_t> index) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].control == control && entries_[i].index == index) return i;
  return std::nullopt;
}

std::vector<RingBox> FocusRing(const Rect& area) {
  std::vector<RingBox> ring;
  int grow = 2;
  for (const Rgb& colour : {kRingDark, kRingBright, kRingBright, kRingDark}) {
    const Rect r{area.left - grow, area.top - grow, area.right + grow, area.bottom + grow};
    ring.push_back({{r.left, r.top, r.right, r.top + 1}, colour});
    ring.push_back({{r.left, r.bottom - 1, r.right, r.bottom}, colour});
    ring.push_back({{r.left, r.top + 1, r.left + 1, r.bottom - 1}, colour});
    ring.push_back({{r.right - 1, r.top + 1, r.right, r.bottom - 1}, colour});
    --grow;
  }
  return ring;
}

}  // namespace host
