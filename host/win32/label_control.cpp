// Labels painted by their container: a hot area draws nothing, the panel's
// title a pink strip with its frame and text, the "x" its text alone.
#include "host/win32/controls.h"
#include "host/win32/conversions.h"
#include "host/win32/form_window.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

UINT AlignmentOf(const ControlDesign& design) {
  const UINT side = design.alignment == 2 ? DT_CENTER : design.alignment == 1 ? DT_RIGHT : DT_LEFT;
  return side | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
}

void PaintLabel(HDC dc, const FormWindow& form, int control) {
  const ControlDesign& design = form.layout().design(control);
  RECT rect = form.PlaceOf(control);
  if (design.backStyle == 1) FillWith(dc, rect, design.backColor);
  if (design.borderStyle == 1) FrameInside(dc, rect, form.scale());
  const std::string caption = form.Caption(control);
  if (caption.empty()) return;
  HFONT font = FontOf(design, form.scale());
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(design.foreColor));
  DrawTextW(dc, Wide(caption).c_str(), -1, &rect, AlignmentOf(design));
  SelectObject(dc, old);
  DeleteObject(font);
}

}  // namespace

void PaintLabels(HDC dc, const FormWindow& form, int container) {
  const Layout& layout = form.layout();
  for (int control : layout.Stacked(container))
    if (layout.design(control).type == ControlType::Label && layout[control].visible)
      PaintLabel(dc, form, control);
}

}  // namespace host::win32
