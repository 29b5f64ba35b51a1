#include "host/fltk/fonts.h"

#include <FL/x.H>
#include <X11/Xft/Xft.h>

#include <cstdio>

#include "host/messages.h"

namespace host::fltk {

namespace {

// Any face at all: fontconfig falls back to whatever it has.
bool AnyFontOpens() {
  XftFont* font = XftFontOpen(fl_display, fl_screen, XFT_FAMILY, XftTypeString, "sans", nullptr);
  if (!font) return false;
  XftFontClose(fl_display, font);
  return true;
}

}  // namespace

bool TextDrawable() {
  static const bool drawable = [] {
    fl_open_display();
    if (AnyFontOpens()) return true;
    std::fputs(NoFontLine().c_str(), stderr);
    return false;
  }();
  return drawable;
}

}  // namespace host::fltk
