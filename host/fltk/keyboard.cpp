#include "host/fltk/keyboard.h"

#include <FL/Fl.H>

#include "host/fltk/delivery.h"
#include "host/fltk/event_state.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

namespace {

int KeyPreview(int event, Fl_Window* window) {
  if (event == FL_KEYBOARD && window) {
    auto* form = dynamic_cast<FormWindow*>(window->top_window());
    if (form && form->design().keyPreview && form->events()) {
      Deliver([&] { form->events()->KeyDown(KeyCode(Fl::event_key()), ShiftState()); });
    }
  }
  return Fl::handle_(event, window);
}

}  // namespace

void InstallKeyPreview() { Fl::event_dispatch(KeyPreview); }

}  // namespace host::fltk
