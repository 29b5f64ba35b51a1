// FLTK's user options, answered without reading or writing its preference
// files. FLTK reads them on first use and writes them back, creating
// $HOME/.fltk or, as root, rewriting /etc/fltk: a menu started from a disc
// must write nothing. The link routes FLTK's own calls here (--wrap).
#include <FL/Fl.H>

namespace {

// FLTK's built-in answers: every option on but focus moved by arrow keys.
bool BuiltInAnswer(Fl::Fl_Option option) {
  return option != Fl::OPTION_ARROW_FOCUS && option >= 0 && option < Fl::OPTION_LAST;
}

}  // namespace

extern "C" {

bool __wrap__ZN2Fl6optionENS_9Fl_OptionE(Fl::Fl_Option option) { return BuiltInAnswer(option); }

// Setting one would read the others first; the options stay as they are.
void __wrap__ZN2Fl6optionENS_9Fl_OptionEb(Fl::Fl_Option, bool) {}
}
