#include "host/fltk/event_state.h"

#include <FL/Fl.H>

#include "host/host.h"

namespace host::fltk {

namespace {
// X has no double-click setting of its own; these are the desktops' defaults
// (XSETTINGS Net/DoubleClickTime and Net/DoubleClickDistance).
constexpr uint32_t kDoubleClickMilliseconds = 400;
constexpr float kDoubleClickPixels = 5;
}  // namespace

int16_t ButtonValue(int flButton) {
  switch (flButton) {
    case FL_LEFT_MOUSE:
      return button::kLeft;
    case FL_RIGHT_MOUSE:
      return button::kRight;
    case FL_MIDDLE_MOUSE:
      return button::kMiddle;
    default:
      return 0;
  }
}

int16_t ButtonsHeld() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_BUTTON1) ? button::kLeft : 0) |
                              ((state & FL_BUTTON3) ? button::kRight : 0) |
                              ((state & FL_BUTTON2) ? button::kMiddle : 0));
}

int16_t ShiftState() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_SHIFT) ? shift::kShift : 0) |
                              ((state & FL_CTRL) ? shift::kCtrl : 0) |
                              ((state & FL_ALT) ? shift::kAlt : 0));
}

int16_t KeyCode(int flKey) {
  struct Named {
    int key;
    int16_t code;
  };
  static constexpr Named kNamed[] = {{FL_BackSpace, key::kBackspace},
                                     {FL_Tab, key::kTab},
                                     {FL_Enter, key::kEnter},
                                     {FL_KP_Enter, key::kEnter},
                                     {FL_Shift_L, key::kShift},
                                     {FL_Shift_R, key::kShift},
                                     {FL_Control_L, key::kControl},
                                     {FL_Control_R, key::kControl},
                                     {FL_Alt_L, key::kAlt},
                                     {FL_Alt_R, key::kAlt},
                                     {FL_Escape, key::kEscape},
                                     {' ', key::kSpace},
                                     {FL_Page_Up, key::kPageUp},
                                     {FL_Page_Down, key::kPageDown},
                                     {FL_End, key::kEnd},
                                     {FL_Home, key::kHome},
                                     {FL_Left, key::kLeft},
                                     {FL_Up, key::kUp},
                                     {FL_Right, key::kRight},
                                     {FL_Down, key::kDown},
                                     {FL_Insert, key::kInsert},
                                     {FL_Delete, key::kDelete}};
  for (const Named& named : kNamed)
    if (flKey == named.key) return named.code;
  if (flKey >= 'a' && flKey <= 'z') return static_cast<int16_t>(flKey - 'a' + 'A');
  if (flKey >= '0' && flKey <= '9') return static_cast<int16_t>(flKey);
  if (flKey >= FL_F + 1 && flKey <= FL_F + 12)
    return static_cast<int16_t>(key::kF1 + flKey - FL_F - 1);
  return key::kNone;
}

ClickLimits ClickLimitsAt(DisplayScale scale) {
  return {kDoubleClickMilliseconds, kDoubleClickPixels / static_cast<float>(scale.factor())};
}

}  // namespace host::fltk
