#include "host/form_input.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/delivery.h"
#include "host/form_core.h"
#include "host/list_keys.h"

namespace host {

namespace {

bool Is(const Layout& layout, int control, ControlType type) {
  return control != kBackground && layout.design(control).type == type;
}

}  // namespace

FormInput::FormInput(FormCore& form) : form_(form), focus_(form.design().entries) {}

void FormInput::Press(int16_t button, int16_t shift, float x, float y, uint32_t time) {
  Moved(x, y);
  const Layout& layout = form_.layout();
  if (held_ == 0) {
    owner_ = layout.ControlAt(x, y);
    noClick_ = rowPress_ = false;
  }
  held_ |= button;
  const int owner = owner_;
  FormEvents* events = form_.events();
  if (Is(layout, owner, ControlType::Label)) {
    const bool second = pairs_.Press(button == button::kLeft, owner, x, y, time, limits_);
    if (button == button::kLeft) noClick_ = second;
    if (second && events) Deliver([&] { events->DblClick(layout.design(owner).name); });
  } else if (Is(layout, owner, ControlType::FileListBox)) {
    PressOnList(owner, button, x, y, time);
  } else {
    pairs_.Break();
    if (owner == kBackground && events)
      Deliver([&] { events->MouseDown(button, shift, TwipsFrom(x), TwipsFrom(y)); });
  }
  UpdateCursor();
}

// Only the left button chooses and opens a row; elsewhere on the list the
// press is its widget's own (the scroll bar).
void FormInput::PressOnList(int list, int16_t button, float x, float y, uint32_t time) {
  TakeKeyboard(list);
  NativeWindow& native = form_.native();
  const int row = native.RowAt(list, x, y);
  if (row < 0) {
    pairs_.Break();
    native.PassPress(list);
    return;
  }
  const bool left = button == button::kLeft;
  if (left) {
    native.SelectRow(list, row);
    rowPress_ = true;
  }
  FormEvents* events = form_.events();
  if (pairs_.Press(left, list, x, y, time, limits_) && events)
    Deliver([&] { events->DblClick(form_.layout().design(list).name); });
}

void FormInput::Release(int16_t button, int16_t shift, float x, float y, int16_t stillHeld) {
  Moved(x, y);
  if (held_ == 0) return;  // pressed before the window saw it
  const Layout& layout = form_.layout();
  const int owner = owner_;
  // A click is a left press and release over the same label.
  const bool click = Is(layout, owner, ControlType::Label) && button == button::kLeft &&
                     !noClick_ && layout.ControlAt(x, y) == owner;
  held_ = static_cast<int16_t>(held_ & ~button & stillHeld);
  if (held_ == 0) EndPress();
  FormEvents* events = form_.events();
  if (owner == kBackground && events)
    Deliver([&] { events->MouseUp(button, shift, TwipsFrom(x), TwipsFrom(y)); });
  if (click) DeliverClick(owner);
  UpdateCursor();
}

// Where the pointer stands on the screen, not in the window: the window
// moves under it while it is dragged.
bool FormInput::Moved(float x, float y) {
  constexpr float kTolerance = 0.5f;  // twips: less than any pixel
  const Point screen{form_.Left() + TwipsFrom(x), form_.Top() + TwipsFrom(y)};
  const bool moved = !onScreen_ || std::abs(screen.x - onScreen_->x) > kTolerance ||
                     std::abs(screen.y - onScreen_->y) > kTolerance;
  onScreen_ = screen;
  pointer_ = Point{x, y};
  return moved;
}

void FormInput::Motion(int16_t held, int16_t shift, float x, float y) {
  if (!Moved(x, y)) return;
  if (held_ != 0 && held == 0) EndPress();  // released where the window did not see it
  const Layout& layout = form_.layout();
  const int over = held_ ? owner_ : layout.ControlAt(x, y);
  FormEvents* events = form_.events();
  if (over == kBackground && events)
    Deliver([&] { events->MouseMove(held, shift, TwipsFrom(x), TwipsFrom(y)); });
  // Dragged along the list, the left button chooses the row under it.
  if (rowPress_ && (held & button::kLeft)) {
    NativeWindow& native = form_.native();
    const int row = native.RowAt(over, x, y);
    if (row >= 0 && row != native.SelectedRow(over)) native.SelectRow(over, row);
  }
  UpdateCursor();
}

void FormInput::Leave() {
  pointer_.reset();
  onScreen_.reset();
  cursor_.reset();
}

void FormInput::Cancel() {
  if (held_ == 0) return;
  EndPress();
  pairs_.Break();
  UpdateCursor();
}

void FormInput::EndPress() {
  held_ = 0;
  owner_ = kBackground;
  noClick_ = rowPress_ = false;
}

void FormInput::KeyDown(int16_t code, int16_t shift) {
  const bool repeat = std::find(keysDown_.begin(), keysDown_.end(), code) != keysDown_.end();
  if (!repeat) keysDown_.push_back(code);
  FormEvents* events = form_.events();
  // The window sees a key before the control that has the keyboard.
  if (form_.design().keyPreview && events) Deliver([&] { events->KeyDown(code, shift); });
  focusKeyTyped_ = FocusKey(code, shift, repeat);
  if (focusKeyTyped_) return;
  const int list = ListWithKeyboard();  // Esc may have hidden it
  if (list == kBackground) return;
  if (code == key::kEnter) {
    if (!repeat && events) Deliver([&] { events->DblClick(form_.layout().design(list).name); });
    return;
  }
  NativeWindow& native = form_.native();
  const int count = static_cast<int>(form_.Rows(list).size());
  const int row = RowAfterKey(code, native.SelectedRow(list), count, native.RowsPerPage(list));
  if (row >= 0) native.SelectRow(list, row);
}

void FormInput::KeyUp(int16_t code) { std::erase(keysDown_, code); }

void FormInput::Typed(std::string_view text) {
  // The character of a key the focus took (Space) is no letter for the list
  // that the key may just have shown.
  if (std::exchange(focusKeyTyped_, false)) return;
  if (text.empty() || static_cast<unsigned char>(text[0]) < 0x20 || text[0] == 0x7F) return;
  const int list = ListWithKeyboard();
  if (list == kBackground) return;
  NativeWindow& native = form_.native();
  const int selected = native.SelectedRow(list);
  const int row = RowStartingWith(text, selected, form_.Rows(list));
  if (row != selected) native.SelectRow(list, row);
}

// A list takes keys only while it has the keyboard and is shown.
int FormInput::ListWithKeyboard() const {
  const Layout& layout = form_.layout();
  return Is(layout, keyboard_, ControlType::FileListBox) && layout.Shown(keyboard_) ? keyboard_
                                                                                    : kBackground;
}

void FormInput::TakeKeyboard(int control) {
  keyboard_ = control;
  form_.native().TakeKeyboard(control);
  const Layout& layout = form_.layout();
  if (control == kBackground) return;
  const ControlDesign& design = layout.design(control);
  if (const std::optional<size_t> entry = focus_.EntryOf(design.name, design.index);
      entry && entry != focus_.focused()) {
    focus_.FocusOn(*entry);
    FocusMoved();
  }
}

void FormInput::setFormPointer(int32_t pointer) {
  formPointer_ = pointer;
  UpdateCursor();
}

void FormInput::ContainerShown(int container, bool shown) {
  const Layout& layout = form_.layout();
  const std::optional<size_t> focused = focus_.focused();
  shown ? focus_.PanelShown() : focus_.PanelHidden();
  if (listener_) listener_->EntriesChanged();
  if (focus_.focused() != focused) FocusMoved();
  if (shown) {
    // Down and Enter need no click first.
    for (int control : layout.Stacked(container))
      if (Is(layout, control, ControlType::FileListBox) && layout.Shown(control)) {
        TakeKeyboard(control);
        break;
      }
  } else if (keyboard_ != kBackground && !layout.Shown(keyboard_)) {
    TakeKeyboard(kBackground);
  }
  UpdateCursor();
}

void FormInput::UpdateCursor() {
  if (!pointer_) return;
  const Layout& layout = form_.layout();
  // While a press is held, its owner keeps the pointer it had.
  const int over = held_ ? owner_ : layout.ControlAt(pointer_->x, pointer_->y);
  const Cursor cursor =
      CursorOver(over == kBackground ? nullptr : &layout.design(over), formPointer_);
  if (cursor_ == cursor) return;
  cursor_ = cursor;
  form_.native().ShowCursor(cursor);
}

}  // namespace host
