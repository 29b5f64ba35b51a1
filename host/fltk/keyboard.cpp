#include "host/fltk/keyboard.h"

#include <FL/Fl.H>

#include "host/fltk/form_window.h"

namespace host::fltk {

namespace {

int KeysToForms(int event, Fl_Window* window) {
  if ((event == FL_KEYBOARD || event == FL_KEYUP) && window) {
    auto* form = dynamic_cast<FormWindow*>(window->top_window());
    // A message box over the form takes its keys itself.
    if (form && (!Fl::modal() || Fl::modal() == form)) {
      form->Key(event);
      return 1;
    }
  }
  return Fl::handle_(event, window);
}

}  // namespace

void InstallKeyboard() { Fl::event_dispatch(KeysToForms); }

}  // namespace host::fltk
