#include "host/fltk/message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "host/fltk/fonts.h"

namespace host::fltk {

namespace {
constexpr int kMargin = 20;
constexpr int kButtonWidth = 88, kButtonHeight = 26;
constexpr int kTextPixels = 14;
constexpr int kMinWidth = 240;
}  // namespace

void ShowMessageBox(std::string_view title, std::string_view text) {
  const std::string titleText(title), message(text);
  const bool drawable = TextDrawable();
  int textW = 0, textH = kTextPixels;
  if (drawable) {
    fl_font(FL_HELVETICA, kTextPixels);
    fl_measure(message.c_str(), textW, textH, 0);
  }
  const int width = std::max(kMinWidth, textW + 2 * kMargin);
  const int height = textH + kButtonHeight + 3 * kMargin;

  Fl_Double_Window box(width, height, titleText.c_str());
  Fl_Box label(kMargin, kMargin, width - 2 * kMargin, textH, message.c_str());
  label.labelfont(FL_HELVETICA);
  label.labelsize(kTextPixels);
  label.align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  Fl_Return_Button ok((width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                      kButtonHeight, "OK");
  if (!drawable) {  // still closed with Enter or Esc
    label.labeltype(FL_NO_LABEL);
    ok.labeltype(FL_NO_LABEL);
  }
  ok.callback([](Fl_Widget* button, void*) { button->window()->hide(); });
  box.end();
  box.set_modal();
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  box.position(sx + (sw - width) / 2, sy + (sh - height) / 2);
  box.show();
  while (box.shown()) Fl::wait();
}

}  // namespace host::fltk
