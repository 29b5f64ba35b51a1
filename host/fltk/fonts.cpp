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

// On a display of few colours, with a colour map instead of true colour,
// the X server blends smoothed text with the colours behind it read wrongly
// and fills dark text as solid boxes. Text there is drawn sharp, in its own
// colour, by the core protocol.
void DrawTextSharpOnFewColours() {
  if (fl_visual->c_class == TrueColor || fl_visual->c_class == DirectColor) return;
  FcPattern* defaults = FcPatternCreate();
  FcPatternAddBool(defaults, XFT_RENDER, FcFalse);
  FcPatternAddBool(defaults, FC_ANTIALIAS, FcFalse);
  XftDefaultSet(fl_display, defaults);  // the display keeps it
}

}  // namespace

bool TextDrawable() {
  static const bool drawable = [] {
    fl_open_display();
    DrawTextSharpOnFewColours();
    if (AnyFontOpens()) return true;
    std::fputs(NoFontLine().c_str(), stderr);
    return false;
  }();
  return drawable;
}

}  // namespace host::fltk
