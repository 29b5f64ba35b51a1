#include "host/fltk/event_state.h"

#include <FL/Fl.H>

namespace host::fltk {

namespace {
constexpr int16_t kUnknownKey = 0;  // no key of the run time has it
}  // namespace

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
  struct Named {
    int key;
    int16_t code;
  };
  static constexpr Named kNamed[] = {
      {FL_BackSpace, 8}, {FL_Tab, 9},        {FL_Enter, 13},     {FL_KP_Enter, 13},
      {FL_Shift_L, 16},  {FL_Shift_R, 16},   {FL_Control_L, 17}, {FL_Control_R, 17},
      {FL_Alt_L, 18},    {FL_Alt_R, 18},     {FL_Escape, 27},    {' ', 32},
      {FL_Page_Up, 33},  {FL_Page_Down, 34}, {FL_End, 35},       {FL_Home, 36},
      {FL_Left, 37},     {FL_Up, 38},        {FL_Right, 39},     {FL_Down, 40},
      {FL_Insert, 45},   {FL_Delete, 46}};
  for (const Named& named : kNamed)
    if (key == named.key) return named.code;
  if (key >= 'a' && key <= 'z') return static_cast<int16_t>(key - 'a' + 'A');
  if (key >= '0' && key <= '9') return static_cast<int16_t>(key);
  if (key >= FL_F + 1 && key <= FL_F + 12) return static_cast<int16_t>(112 + key - FL_F - 1);
  return kUnknownKey;
}

}  // namespace host::fltk
