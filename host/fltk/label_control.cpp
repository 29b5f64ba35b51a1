// Labels painted by their container: a hot area draws nothing, the panel's
// title a pink strip with its frame and text, the "x" its text alone.
#include <FL/fl_draw.H>

#include "host/fltk/controls.h"
#include "host/fltk/conversions.h"
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

void PaintLabel(const FormWindow& form, int control) {
  const ControlDesign& design = form.layout().design(control);
  const PixelRect rect = form.OnScreen(form.layout()[control].rect);
  const int x = rect.left, y = rect.top, w = rect.width, h = rect.height;
  if (design.backStyle == 1) {
    fl_color(ToFlColor(design.backColor));
    fl_rectf(x, y, w, h);
  }
  const int line = form.scale().Scaled(1);  // a border as wide on every side
  if (design.borderStyle == 1) {
    fl_color(FL_BLACK);
    for (int i = 0; i < line; ++i) fl_rect(x + i, y + i, w - 2 * i, h - 2 * i);
  }
  const std::string caption = form.Caption(control);
  if (caption.empty() || !TextDrawable()) return;
  // Drawn at the scaled size, so that text stays as sharp as at 1.
  fl_font(FontOf(design), FontSizeOf(design, form.scale()));
  fl_color(ToFlColor(design.foreColor));
  const int inset = design.borderStyle == 1 ? line : 0;
  fl_push_clip(x, y, w, h);
  fl_draw(caption.c_str(), x + inset, y + inset, w - 2 * inset, h - 2 * inset, AlignmentOf(design),
          nullptr, 0);
  fl_pop_clip();
}

void PaintLabels(const FormWindow& form, int container) {
  for (int control : form.layout().Stacked(container))
    if (form.layout().design(control).type == ControlType::Label && form.layout()[control].visible)
      PaintLabel(form, control);
}

}  // namespace host::fltk
