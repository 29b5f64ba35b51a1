#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "host/fltk/controls.h"
#include "host/fltk/delivery.h"
#include "host/fltk/fonts.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

namespace {

Fl_Align AlignmentOf(const ControlDesign& design) {
  const Fl_Align side = design.alignment == 2   ? FL_ALIGN_CENTER
                        : design.alignment == 1 ? FL_ALIGN_RIGHT
                                                : FL_ALIGN_LEFT;
  return side | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_CLIP;
}

}  // namespace

LabelControl::LabelControl(FormWindow& form, const ControlDesign& design, int x, int y, int w,
                           int h)
    : Control(form, design, x, y, w, h), caption_(design.caption) {
  box(FL_NO_BOX);
}

void LabelControl::setCaption(std::string_view text) {
  caption_ = text;
  redraw();
}

void LabelControl::draw() {
  if (design_.backStyle == 1) {
    fl_color(ToFlColor(design_.backColor));
    fl_rectf(x(), y(), w(), h());
  }
  const int f = scale().factor();
  if (design_.borderStyle == 1) {
    fl_color(FL_BLACK);
    for (int i = 0; i < f; ++i) fl_rect(x() + i, y() + i, w() - 2 * i, h() - 2 * i);
  }
  if (caption_.empty() || !TextDrawable()) return;
  // Drawn at the scaled size, so that text stays as sharp as at 1.
  fl_font(FontOf(design_), FontSizeOf(design_) * f);
  fl_color(ToFlColor(design_.foreColor));
  const int inset = design_.borderStyle == 1 ? f : 0;
  fl_push_clip(x(), y(), w(), h());
  fl_draw(caption_.c_str(), x() + inset, y() + inset, w() - 2 * inset, h() - 2 * inset,
          AlignmentOf(design_), nullptr, 0);
  fl_pop_clip();
}

int LabelControl::handle(int event) {
  switch (event) {
    case FL_PUSH:
      return 1;
    case FL_RELEASE:
      // A click is a left press and release over the same label.
      if (Fl::event_button() == FL_LEFT_MOUSE && Fl::event_inside(this) && form_.events())
        Deliver([&] { form_.events()->Click(design_.name, design_.index); });
      return 1;
    case FL_ENTER:
    case FL_MOVE:
    case FL_LEAVE:
      form_.UpdatePointer();
      return 1;
    default:
      return Fl_Box::handle(event);
  }
}

}  // namespace host::fltk
