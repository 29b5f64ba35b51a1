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

void ShowMessageBox(std::string_view title, std::string_view text, DisplayScale scale) {
  const std::string titleText(title), message(text);
  const bool drawable = TextDrawable();
  const int margin = scale.Scaled(kMargin), textPixels = scale.Scaled(kTextPixels);
  const int buttonWidth = scale.Scaled(kButtonWidth), buttonHeight = scale.Scaled(kButtonHeight);
  int textW = 0, textH = textPixels;
  if (drawable) {
    fl_font(FL_HELVETICA, textPixels);
    fl_measure(message.c_str(), textW, textH, 0);
  }
  const int width = std::max(scale.Scaled(kMinWidth), textW + 2 * margin);
  const int height = textH + buttonHeight + 3 * margin;

  Fl_Double_Window box(width, height, titleText.c_str());
  Fl_Box label(margin, margin, width - 2 * margin, textH, message.c_str());
  label.labelfont(FL_HELVETICA);
  label.labelsize(textPixels);
  label.align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  Fl_Return_Button ok((width - buttonWidth) / 2, height - margin - buttonHeight, buttonWidth,
                      buttonHeight, "OK");
  ok.labelsize(textPixels);
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
