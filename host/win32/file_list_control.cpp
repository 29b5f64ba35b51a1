#include <algorithm>

#include "host/win32/controls.h"
#include "host/win32/conversions.h"
#include "host/win32/form_window.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

constexpr wchar_t kFormProperty[] = L"ZorvantaForm";

// The list box's messages go to the form's rules first.
LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = static_cast<FormWindow*>(GetPropW(window, kFormProperty));
  return HandleGuarded(form, window, message, wParam, lParam);
}

}  // namespace

FileListWidget::FileListWidget(FormWindow& form, const ControlDesign& design, HWND parent,
                               const RECT& place)
    : form_(form),
      design_(design),
      background_(CreateSolidBrush(ToColorRef(design.backColor))),
      font_(FontOf(design, form.scale())) {
  window_ =
      CreateWindowExW(0, L"LISTBOX", L"",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                          (design.borderStyle ? WS_BORDER : 0),
                      place.left, place.top, place.right - place.left, place.bottom - place.top,
                      parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SetPropW(window_, kFormProperty, &form);
  listBox_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure)));
}

FileListWidget::~FileListWidget() {
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listBox_));
  RemovePropW(window_, kFormProperty);
  DeleteObject(background_);
  DeleteObject(font_);
}

void FileListWidget::Place(const RECT& place) {
  HFONT font = FontOf(design_, form_.scale());
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  DeleteObject(font_);
  font_ = font;
  Widget::Place(place);
}

LRESULT FileListWidget::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(listBox_, window_, message, wParam, lParam);
}

void FileListWidget::ShowRows(const std::vector<std::string>& names) {
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window_, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : names)
    SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

int FileListWidget::SelectedRow() const {
  return static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));  // LB_ERR: none
}

// The system's list box scrolls the row into view.
void FileListWidget::SelectRow(int row) { SendMessageW(window_, LB_SETCURSEL, row, 0); }

int FileListWidget::RowsPerPage() const {
  RECT client;
  GetClientRect(window_, &client);
  const auto row = static_cast<int>(SendMessageW(window_, LB_GETITEMHEIGHT, 0, 0));
  return std::max(1, static_cast<int>(client.bottom) / std::max(row, 1));
}

int FileListWidget::RowAt(float x, float y) const {
  POINT point{static_cast<LONG>(x), static_cast<LONG>(y)};
  MapWindowPoints(form_.window(), window_, &point, 1);
  RECT client;
  GetClientRect(window_, &client);
  if (!PtInRect(&client, point)) return -1;
  const LRESULT row = SendMessageW(window_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  return HIWORD(row) == 0 ? LOWORD(row) : -1;  // the high word is set below the rows
}

HBRUSH FileListWidget::Colour(HDC dc) const {
  SetTextColor(dc, ToColorRef(design_.foreColor));
  SetBkColor(dc, ToColorRef(design_.backColor));
  return background_;
}

}  // namespace host::win32
