#include "host/fltk/event_state.h"

#include <FL/Fl.H>

namespace host::fltk {

int16_t ButtonValue(int flButton) {
  switch (flButton) {
    case FL_LEFT_MOUSE:
      return 1;
    case FL_RIGHT_MOUSE:
      return 2;
    case FL_MIDDLE_MOUSE:
      return 4;
    default:
      return 0;
  }
}

int16_t ButtonsHeld() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_BUTTON1) ? 1 : 0) | ((state & FL_BUTTON3) ? 2 : 0) |
                              ((state & FL_BUTTON2) ? 4 : 0));
}

int16_t ShiftState() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_SHIFT) ? 1 : 0) | ((state & FL_CTRL) ? 2 : 0) |
                              ((state & FL_ALT) ? 4 : 0));
}

int16_t KeyCode(int key) {
  if (key == FL_Escape) return 27;
  if (key == FL_Enter || key == FL_KP_Enter) return 13;
  if (key == FL_Tab) return 9;
  if (key == FL_Shift_L || key == FL_Shift_R) return 16;
  if (key == FL_Control_L || key == FL_Control_R) return 17;
  if (key == FL_Alt_L || key == FL_Alt_R) return 18;
  if (key == FL_BackSpace) return 8;
  if (key == ' ') return 32;
  if (key >= 'a' && key <= 'z') return static_cast<int16_t>(key - 'a' + 'A');
  if (key >= '0' && key <= '9') return static_cast<int16_t>(key);
  if (key == FL_Left) return 37;
  if (key == FL_Up) return 38;
  if (key == FL_Right) return 39;
  if (key == FL_Down) return 40;
  if (key >= FL_F + 1 && key <= FL_F + 12) return static_cast<int16_t>(112 + key - FL_F - 1);
  return static_cast<int16_t>(key & 0xFF);
}

}  // namespace host::fltk
