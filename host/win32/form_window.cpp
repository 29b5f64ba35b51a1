#include "host/win32/form_window.h"

#include <algorithm>

#include "host/delivery.h"
#include "host/placement.h"
#include "host/win32/canvas.h"
#include "host/win32/control_builder.h"
#include "host/win32/conversions.h"
#include "host/win32/display.h"
#include "host/win32/event_state.h"
#include "host/win32/unicode.h"

namespace host::win32 {

const wchar_t kFormClass[] = L"ZorvantaForm";

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return HandleGuarded(form, window, message, wParam, lParam);
}

void RegisterFormClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kFormClass;
  RegisterClassExW(&windowClass);  // a second registration fails harmlessly
}

}  // namespace

LRESULT HandleGuarded(FormWindow* form, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return form->Handle(window, message, wParam, lParam);
  } catch (const RuntimeError& error) {
    ReportAndEnd(error.number(), error.what());
  } catch (const std::exception& error) {
    ReportAndEnd(err::kInternalError, error.what());
  } catch (...) {
    ReportAndEnd(err::kInternalError, text::kInternalError);
  }
  return 0;
}

FormWindow::FormWindow(const FormDesign& design, DisplayScale scale)
    : FormCore(design, *this, scale), cursor_(LoadCursorW(nullptr, IDC_ARROW)) {
  pictures_.LoadHand(design, scale);  // before the window: a damaged picture leaves none behind
  RegisterFormClass();
  // Minimized from the taskbar, as the window manager may; the system then
  // knows it so, and a second start restores it.
  const DWORD style =
      WS_CLIPCHILDREN | (design.borderStyle == 0 ? WS_POPUP | WS_MINIMIZEBOX : WS_OVERLAPPEDWINDOW);
  const PixelRect size = OnScreen(PixelRect{0, 0, PixelWidth(), PixelHeight()}, scale);
  window_ =
      CreateWindowExW(WS_EX_APPWINDOW, kFormClass, Wide(design.caption).c_str(), style, 0, 0,
                      size.width, size.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) throw RuntimeError(err::kInternalError, std::string(text::kNoWindow));
  input().setLimits(ClickLimitsAt(scale));
  try {
    widgets_ = BuildControls(*this);
  } catch (...) {
    DestroyWindow(window_);
    throw;
  }
  accessibility_ = std::make_unique<AccessibilityBridge>(window_, *this);
  for (const EntryDesign& entry : design.entries)
    if (entry.role == accessibility::Role::List)
      accessibility_->setListWindow(widget(layout().Find(entry.control, entry.index)));
  input().setListener(accessibility_.get());
}

FormWindow::~FormWindow() {
  input().setListener(nullptr);
  accessibility_.reset();
  widgets_.clear();
  DestroyWindow(window_);
}

void FormWindow::ShowCentred() {
  if (design().startUpPosition == 2) {
    RECT shown;
    GetWindowRect(window_, &shown);
    const Place place =
        CentredPlace(WorkArea(), shown.right - shown.left, shown.bottom - shown.top);
    SetWindowPos(window_, nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  Deliver([&] { pictures_.SetIcons(design(), window_); });
}

int32_t FormWindow::hWnd() const { return HandleOf(window_); }

float FormWindow::Left() const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return scale().TwipsOf(rect.left);
}

float FormWindow::Top() const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return scale().TwipsOf(rect.top);
}

void FormWindow::Move(float left, float top) {
  SetWindowPos(window_, nullptr, scale().ScreenPixelsOf(left), scale().ScreenPixelsOf(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND FormWindow::widget(int control) const {
  const auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second->window();
}

RECT FormWindow::PlaceOf(int control) const {
  const int container = layout()[control].container;
  const PixelRect origin = container == kBackground ? PixelRect{} : layout()[container].rect;
  const PixelRect place = OnScreen(layout()[control].rect, scale());
  const PixelRect corner = OnScreen(origin, scale());
  return RectOf(place, corner.left, corner.top);
}

void FormWindow::FollowDpi(int dpi) {
  const DisplayScale scale = ScaleFor(dpi, WorkArea(window_), PixelWidth(), PixelHeight());
  if (scale == this->scale()) return;
  RECT was;
  GetWindowRect(window_, &was);
  canvas().Rescale(scale);
  TakeScale();
  const PixelRect size = OnScreen(PixelRect{0, 0, PixelWidth(), PixelHeight()}, scale);
  const Rect place =
      Centred(size.width, size.height, Rect{was.left, was.top, was.right, was.bottom});
  SetWindowPos(window_, nullptr, place.left, place.top, size.width, size.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (shape()) ShowShape(*shape());
  for (const auto& [control, widget] : widgets_) widget->Place(PlaceOf(control));
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormWindow::TakeScale() {
  input().setLimits(ClickLimitsAt(scale()));
  pictures_.LoadHand(design(), scale());
  cursor_ = CursorOf(shown_);
}

FileListWidget& FormWindow::list(int control) const {
  return dynamic_cast<FileListWidget&>(*widgets_.at(control));
}

FileListWidget* FormWindow::ListWindow(HWND window) const {
  for (const auto& [control, widget] : widgets_)
    if (widget->window() == window) return dynamic_cast<FileListWidget*>(widget.get());
  return nullptr;
}

PictureBoxWidget* FormWindow::PanelWindow(HWND window) const {
  for (const auto& [control, widget] : widgets_)
    if (widget->window() == window) return dynamic_cast<PictureBoxWidget*>(widget.get());
  return nullptr;
}

// ---- What the shared rules ask of the window ----

void FormWindow::ShowShape(const RoundShape& shape) {
  // The system's own rounded region, its corners as large as the scale.
  const DisplayScale s = scale();
  auto edge = [&](int32_t pixel) {
    return static_cast<int>(std::clamp<int64_t>(s.ToScreen(pixel), INT32_MIN, INT32_MAX));
  };
  HRGN region =
      CreateRoundRectRgn(edge(shape.left), edge(shape.top), edge(shape.right), edge(shape.bottom),
                         s.Scaled(shape.ellipseWidth), s.Scaled(shape.ellipseHeight));
  if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
}

HCURSOR FormWindow::CursorOf(Cursor cursor) const {
  if (cursor == Cursor::kHand && pictures_.hand()) return pictures_.hand();
  return LoadCursorW(nullptr, cursor == Cursor::kSizeAll ? IDC_SIZEALL : IDC_ARROW);
}

void FormWindow::ShowCursor(Cursor cursor) {
  shown_ = cursor;
  cursor_ = CursorOf(cursor);
  SetCursor(cursor_);
}

// Drawing shows at once; a repaint the system asks for shows the persistent
// image alone.
void FormWindow::ShowImage() {
  if (!IsWindowVisible(window_)) return;
  HDC dc = GetDC(window_);
  PaintForm(dc);
  ReleaseDC(window_, dc);
}

// Over the picture, never into the program's image.
void FormWindow::PaintForm(HDC dc) {
  RECT repainted;  // only the rows the system repaints now
  if (GetClipBox(dc, &repainted) == ERROR) GetClientRect(window_, &repainted);
  PaintImage(dc, canvas(), repainted.top, repainted.bottom);
  PaintLabels(dc, *this, kBackground);
  for (const RingBox& box : input().FocusRingBoxes()) {
    HBRUSH brush = CreateSolidBrush(RGB(box.colour.r, box.colour.g, box.colour.b));
    const RECT rect{box.rect.left, box.rect.top, box.rect.right, box.rect.bottom};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
}

void FormWindow::ShowControl(int control, bool visible) {
  if (HWND shown = widget(control)) ShowWindow(shown, visible ? SW_SHOW : SW_HIDE);
}

void FormWindow::RepaintControl(int control) {
  const int container = layout()[control].container;
  const RECT rect = PlaceOf(control);
  InvalidateRect(container == kBackground ? window_ : widget(container), &rect, FALSE);
}

void FormWindow::TakeKeyboard(int control) {
  HWND taking = widget(control);
  SetFocus(taking ? taking : window_);
}

void FormWindow::ShowRows(int control, const std::vector<std::string>& names) {
  list(control).ShowRows(names);
}

int FormWindow::SelectedRow(int control) const { return list(control).SelectedRow(); }
void FormWindow::SelectRow(int control, int row) { list(control).SelectRow(row); }
int FormWindow::RowsPerPage(int control) const { return list(control).RowsPerPage(); }

int FormWindow::RowAt(int control, float x, float y) const {
  return list(control).RowAt(scale().ScreenPixelAt(x), scale().ScreenPixelAt(y));
}

}  // namespace host::win32
