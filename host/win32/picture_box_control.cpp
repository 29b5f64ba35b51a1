#include "host/win32/controls.h"
#include "host/win32/conversions.h"
#include "host/win32/form_window.h"

namespace host::win32 {

Widget::~Widget() {
  if (window_) DestroyWindow(window_);
}

void Widget::Place(const RECT& place) {
  MoveWindow(window_, place.left, place.top, place.right - place.left, place.bottom - place.top,
             FALSE);
}

PictureBoxWidget::PictureBoxWidget(FormWindow& form, int control, HWND parent, const RECT& place)
    : form_(form), control_(control) {
  const bool visible = form.layout()[control].visible;
  window_ =
      CreateWindowExW(0, kFormClass, L"", WS_CHILD | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0),
                      place.left, place.top, place.right - place.left, place.bottom - place.top,
                      parent, nullptr, GetModuleHandleW(nullptr), &form);
}

void PictureBoxWidget::Paint(HDC dc) const {
  const ControlDesign& design = form_.layout().design(control_);
  RECT rect;
  GetClientRect(window_, &rect);
  FillWith(dc, rect, design.backColor);
  if (design.borderStyle) FrameInside(dc, rect, form_.scale());
  PaintLabels(dc, form_, control_);
}

}  // namespace host::win32
