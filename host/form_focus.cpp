// The keyboard's focus among the window's entries, as keys move it and as a
// screen reader reads and moves it: the same under every host.
#include "host/delivery.h"
#include "host/form_core.h"
#include "host/form_input.h"

namespace host {

namespace {

bool Plain(int16_t shiftState) { return (shiftState & (shift::kCtrl | shift::kAlt)) == 0; }

}  // namespace

// ---- Keys ----

bool FormInput::FocusKey(int16_t code, int16_t shiftState, bool repeat) {
  if (!focus_.ringShown()) {
    focus_.KeyPressed();
    if (FocusRingArea()) form_.native().ShowImage();  // round an entry clicked before
  }
  if (!Plain(shiftState)) return false;  // Alt+Space, Alt+Tab and their kin are the system's
  if (code == key::kTab) {
    StepFocus((shiftState & shift::kShift) == 0);
    return true;
  }
  if (ListWithKeyboard() != kBackground) return false;  // the list's own keys
  switch (code) {
    case key::kLeft:
    case key::kUp:
    case key::kRight:
    case key::kDown:
      StepFocus(code == key::kRight || code == key::kDown);
      return true;
    case key::kEnter:
    case key::kSpace:
      // Once a press, as a click: a held key repeats.
      if (!repeat && focus_.focused()) ClickEntry(*focus_.focused());
      return true;
    default:
      return false;
  }
}

void FormInput::StepFocus(bool forward) {
  focus_.Step(forward, PanelShown());
  KeyboardToFocus();
  FocusMoved();
}

void FormInput::FocusEntry(size_t entry) {
  focus_.FocusOn(entry);
  KeyboardToFocus();
  FocusMoved();
}

void FormInput::KeyboardToFocus() {
  if (focus_.OnList())
    TakeKeyboard(ControlOf(*focus_.focused()));
  else if (keyboard_ != kBackground)
    TakeKeyboard(kBackground);
}

// ---- Clicks ----

void FormInput::ClickEntry(size_t entry) {
  const int control = ControlOf(entry);
  const Layout& layout = form_.layout();
  if (control != kBackground && layout.design(control).type == ControlType::Label &&
      layout.Shown(control))
    DeliverClick(control);
}

// The focus follows a click, so that the keyboard goes on from there; and
// the entry whose click shows the panel is the one its list follows.
void FormInput::DeliverClick(int label) {
  const ControlDesign& design = form_.layout().design(label);
  const std::optional<size_t> entry = focus_.EntryOf(design.name, design.index);
  if (entry && entry != focus_.focused()) {
    focus_.FocusOn(*entry);
    FocusMoved();
  }
  focus_.Clicking(entry);
  if (FormEvents* events = form_.events())
    Deliver([&] { events->Click(design.name, design.index); });
  focus_.Clicking(std::nullopt);
}

// ---- What the rules tell ----

void FormInput::FocusMoved() {
  if (focus_.ringShown()) form_.native().ShowImage();
  if (listener_) listener_->FocusMoved();
}

std::vector<size_t> FormInput::FocusOrder() const { return focus_.Order(PanelShown()); }

std::optional<PixelRect> FormInput::FocusRingArea() const {
  if (!focus_.ringShown() || !focus_.focused() || focus_.OnList()) return std::nullopt;
  const int control = ControlOf(*focus_.focused());
  if (control == kBackground || !form_.layout().Shown(control)) return std::nullopt;
  return form_.layout()[control].rect;
}

// Round the hot area as the screen shows it, in lines one screen pixel wide.
std::vector<RingBox> FormInput::FocusRingBoxes() const {
  const std::optional<PixelRect> area = FocusRingArea();
  if (!area) return {};
  const PixelRect shown = OnScreen(*area, form_.scale());
  return FocusRing({shown.left, shown.top, static_cast<int32_t>(shown.right()),
                    static_cast<int32_t>(shown.bottom())});
}

int FormInput::ControlOf(size_t entry) const {
  const EntryDesign& design = focus_.entry(entry);
  return form_.layout().Find(design.control, design.index);
}

bool FormInput::PanelShown() const {
  const std::span<const EntryDesign> entries = form_.design().entries;
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].role == accessibility::Role::List)
      return ControlOf(i) != kBackground && form_.layout().Shown(ControlOf(i));
  return false;
}

// ---- The window as a screen reader's bridge reads it ----

std::string FormCore::Title() const { return std::string(design_.caption); }

std::vector<accessibility::Entry> FormCore::Entries() const {
  std::vector<accessibility::Entry> entries;
  const FocusRules& focus = input_.focus();
  for (size_t number : input_.FocusOrder()) {
    const EntryDesign& design = focus.entry(number);
    const int control = layout_.Find(design.control, design.index);
    if (control == kBackground) continue;
    const PixelRect r = OnScreen(layout_[control].rect, scale());
    accessibility::Entry& entry = entries.emplace_back();
    entry.name = design.labelledBy.empty() ? std::string(design.name)
                                           : Caption(layout_.Find(design.labelledBy, std::nullopt));
    entry.role = design.role;
    entry.value = design.value;
    entry.rect = {r.left, r.top, static_cast<int32_t>(r.right()), static_cast<int32_t>(r.bottom())};
    entry.focused = focus.focused() == number;
  }
  return entries;
}

std::optional<size_t> FormCore::FocusedEntry() const {
  const std::vector<size_t> order = input_.FocusOrder();
  for (size_t i = 0; i < order.size(); ++i)
    if (input_.focus().focused() == order[i]) return i;
  return std::nullopt;
}

bool FormCore::Active() const { return native_.Active(); }

void FormCore::Focus(size_t entry) {
  const std::vector<size_t> order = input_.FocusOrder();
  if (entry < order.size()) input_.FocusEntry(order[entry]);
}

void FormCore::DoDefaultAction(size_t entry) {
  const std::vector<size_t> order = input_.FocusOrder();
  if (entry < order.size()) input_.ClickEntry(order[entry]);
}

}  // namespace host
