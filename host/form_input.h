// A window's input rules, the same under every host. The host reports what
// the user does, in the window's program pixels; the rules decide what the
// program hears of it: which control a press belongs to, clicks and double
// clicks, the window's own mouse events, the keys of the list that has the
// keyboard, and which pointer shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "host/accessibility.h"
#include "host/double_clicks.h"
#include "host/focus_rules.h"
#include "host/layout.h"
#include "host/pointer_rules.h"

namespace host {

class FormCore;

class FormInput {
 public:
  explicit FormInput(FormCore& form);

  // The system's double-click time and distance.
  void setLimits(const ClickLimits& limits) { limits_ = limits; }

  // A button pressed at (x, y) at `time` (milliseconds, any origin).
  void Press(int16_t button, int16_t shift, float x, float y, uint32_t time);
  // A button released; `stillHeld` the buttons held after it.
  void Release(int16_t button, int16_t shift, float x, float y, int16_t stillHeld);
  // The pointer at (x, y) with the buttons `held`. A report of the place on
  // the screen the pointer already stood at is no motion.
  void Motion(int16_t held, int16_t shift, float x, float y);
  // The pointer left the window.
  void Leave();
  // The system took the mouse away in the middle of a press (a message box).
  void Cancel();
  // A press held since it began, and the control it belongs to until all
  // buttons are up (kBackground: the window's background).
  bool Held() const { return held_ != 0; }
  int owner() const { return owner_; }

  // A key pressed (again, while held: the system's repeat) and released.
  void KeyDown(int16_t code, int16_t shift);
  void KeyUp(int16_t code);
  // The text a key typed, UTF-8.
  void Typed(std::string_view text);
  // The window lost the keyboard: no key is held any more.
  void KeyboardLost() { keysDown_.clear(); }
  // The control that has the keyboard, or kBackground: the window.
  int keyboard() const { return keyboard_; }

  // The window's MousePointer.
  void setFormPointer(int32_t pointer);
  // A container shown or hidden: its list takes the keyboard, or gives it up.
  void ContainerShown(int container, bool shown);

  // The keyboard's focus among the design's entries (form_focus.cpp): where
  // Tab, Shift+Tab and the arrows move it and Enter and Space click, and
  // where a screen reader finds it.
  const FocusRules& focus() const { return focus_; }
  // The entries the keyboard reaches now, as numbers of the design's table.
  std::vector<size_t> FocusOrder() const;
  void FocusEntry(size_t entry);
  // What a click on the entry does, through the same delivery; none for the list.
  void ClickEntry(size_t entry);
  // The hot area the focus ring goes round, once the keyboard was used, and
  // the ring's boxes for a host to fill over its picture, in the window's
  // screen pixels (none without).
  std::optional<PixelRect> FocusRingArea() const;
  std::vector<RingBox> FocusRingBoxes() const;
  // Told when the focus moves, when entries come and go and when the window
  // gains or loses the keyboard.
  void setListener(accessibility::Listener* listener) { listener_ = listener; }
  void ActiveChanged() {
    if (listener_) listener_->ActiveChanged();
  }

 private:
  void PressOnList(int list, int16_t button, float x, float y, uint32_t time);
  int ListWithKeyboard() const;
  void TakeKeyboard(int control);
  void UpdateCursor();
  void EndPress();
  // Tab, Shift+Tab, the arrows off the list, Enter and Space on an entry;
  // false for any other key.
  bool FocusKey(int16_t code, int16_t shift, bool repeat);
  void StepFocus(bool forward);
  // The keyboard to the list when the focus is on it, else to the window.
  void KeyboardToFocus();
  void DeliverClick(int label);
  void FocusMoved();
  // The control of a table entry, or kBackground.
  int ControlOf(size_t entry) const;
  bool PanelShown() const;

  FormCore& form_;
  ClickLimits limits_;
  DoubleClicks pairs_;
  int owner_ = kBackground;
  int16_t held_ = 0;
  bool noClick_ = false;   // the left press was a double click's second
  bool rowPress_ = false;  // the left press chose a row of the list
  struct Point {
    float x, y;
  };
  std::optional<Point> pointer_;   // in the window
  std::optional<Point> onScreen_;  // in twips
  bool Moved(float x, float y);
  int32_t formPointer_ = pointer::kDefault;
  std::optional<Cursor> cursor_;
  int keyboard_ = kBackground;
  std::vector<int16_t> keysDown_;
  bool focusKeyTyped_ = false;  // the last key was the focus's
  FocusRules focus_;
  accessibility::Listener* listener_ = nullptr;
};

}  // namespace host
