// FLTK's events as the shared input rules hear them: every press, release,
// motion and key of the window, in its program pixels.
#include <FL/Fl.H>
#include <FL/x.H>

#include "host/delivery.h"
#include "host/fltk/event_state.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

// From the pointer's screen position and where the window stands now, so
// that a move made a moment ago is already counted.
float FormWindow::PointerX() const { return scale().ProgramPixelsOf(Fl::event_x_root() - x()); }
float FormWindow::PointerY() const { return scale().ProgramPixelsOf(Fl::event_y_root() - y()); }

int FormWindow::handle(int event) {
  FormInput& rules = input();
  switch (event) {
    case FL_PUSH:
      Deliver([&] {
        rules.Press(ButtonValue(Fl::event_button()), ShiftState(), PointerX(), PointerY(),
                    static_cast<uint32_t>(fl_event_time));
      });
      return 1;
    case FL_RELEASE: {
      Deliver([&] {
        rules.Release(ButtonValue(Fl::event_button()), ShiftState(), PointerX(), PointerY(),
                      ButtonsHeld());
      });
      Fl_Widget* pushed = widgetPushed_;
      if (!Fl::event_buttons()) widgetPushed_ = nullptr;
      if (pushed) pushed->handle(FL_RELEASE);
      return 1;
    }
    case FL_DRAG:
    case FL_MOVE:
    case FL_ENTER:
      if (event == FL_DRAG && widgetPushed_) widgetPushed_->handle(FL_DRAG);
      if (event != FL_DRAG) Fl_Double_Window::handle(event);  // the widgets under the pointer
      Deliver([&] { rules.Motion(ButtonsHeld(), ShiftState(), PointerX(), PointerY()); });
      return 1;
    case FL_LEAVE:
      rules.Leave();
      break;
    case FL_FOCUS:
      // The window takes FLTK's focus itself when no widget of it does, so
      // that screen readers hear it active from now on.
      Fl_Double_Window::handle(event);
      if (!Active()) Fl::focus(this);
      rules.ActiveChanged();
      return 1;
    case FL_UNFOCUS:
      rules.KeyboardLost();
      rules.ActiveChanged();
      break;
    default:
      break;
  }
  return Fl_Double_Window::handle(event);
}

void FormWindow::Key(int event) {
  FormInput& rules = input();
  const int16_t code = KeyCode(Fl::event_key());
  if (event == FL_KEYUP) {
    rules.KeyUp(code);
    return;
  }
  if (!Active()) {  // the keyboard came without a word of it: focus following the pointer
    Fl::focus(this);
    rules.ActiveChanged();
  }
  Deliver([&] {
    rules.KeyDown(code, ShiftState());
    rules.Typed(Fl::event_text());
  });
}

}  // namespace host::fltk
