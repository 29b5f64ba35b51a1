// The window's own mouse events, in twips, with the run time's button and
// shift values. Events over a control go to that control.
#include <FL/Fl.H>

#include "host/fltk/controls.h"
#include "host/fltk/conversions.h"
#include "host/fltk/delivery.h"
#include "host/fltk/event_state.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

float FormWindow::EventX() const {
  // From the pointer's screen position and where the window stands now, so
  // that a move made a moment ago is already counted.
  return scale_.TwipsOf(Fl::event_x_root() - x());
}

float FormWindow::EventY() const { return scale_.TwipsOf(Fl::event_y_root() - y()); }

int FormWindow::handle(int event) {
  switch (event) {
    case FL_PUSH:
      if (ControlIn(*this, Fl::event_x(), Fl::event_y())) return Fl_Double_Window::handle(event);
      pressed_ = true;
      if (events_)
        Deliver([&] {
          events_->MouseDown(ButtonValue(Fl::event_button()), ShiftState(), EventX(), EventY());
        });
      return 1;
    case FL_DRAG:
      if (!pressed_) break;
      if (events_)
        Deliver([&] { events_->MouseMove(ButtonsHeld(), ShiftState(), EventX(), EventY()); });
      return 1;
    case FL_RELEASE:
      if (!pressed_) break;
      pressed_ = Fl::event_buttons() != 0;
      if (events_)
        Deliver([&] {
          events_->MouseUp(ButtonValue(Fl::event_button()), ShiftState(), EventX(), EventY());
        });
      pointer_.Forget();
      UpdatePointer();
      return 1;
    case FL_ENTER:
    case FL_MOVE: {
      Fl_Double_Window::handle(event);
      UpdatePointer();
      if (!ControlIn(*this, Fl::event_x(), Fl::event_y()) && events_)
        Deliver([&] { events_->MouseMove(ButtonsHeld(), ShiftState(), EventX(), EventY()); });
      return 1;
    }
    case FL_LEAVE:
      pointer_.Forget();
      break;
    default:
      break;
  }
  return Fl_Double_Window::handle(event);
}

}  // namespace host::fltk
