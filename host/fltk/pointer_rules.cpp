#include "host/fltk/pointer_rules.h"

#include "host/fltk/controls.h"

namespace host::fltk {

void PointerRules::setHand(const Fl_RGB_Image* hand, int hotX, int hotY) {
  hand_ = hand;
  handX_ = hotX;
  handY_ = hotY;
}

void PointerRules::setFormPointer(int32_t pointer) {
  formPointer_ = pointer;
  set_ = false;
}

void PointerRules::Update(Fl_Window& window, int x, int y, bool held) {
  const Fl_Widget* owner = nullptr;
  bool hand = false;
  if (!held) {
    Fl_Widget* over = ControlIn(window, x, y);
    if (auto* panel = dynamic_cast<PictureBoxControl*>(over))
      if (Fl_Widget* inside = ControlIn(*panel, x, y)) over = inside;
    owner = over;
    if (auto* label = dynamic_cast<LabelControl*>(over))
      hand = label->design().mousePointer == pointer::kCustom && hand_;
  }
  if (set_ && owner == owner_) return;
  owner_ = owner;
  set_ = true;
  if (hand) {
    window.cursor(hand_, handX_, handY_);
  } else if (owner) {
    window.cursor(FL_CURSOR_DEFAULT);
  } else {
    window.cursor(formPointer_ == pointer::kSizeAll ? FL_CURSOR_MOVE : FL_CURSOR_DEFAULT);
  }
}

}  // namespace host::fltk
