#include <algorithm>
#include <cmath>
#include <ranges>

#include "host/numbers.h"
#include "host/picture_formats.h"
#include "host/placement.h"
#include "host/win32/internal.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"ZorvantaForm";
constexpr Rgb kPlaceholderFace{16, 18, 40};  // shown while a picture is missing

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  // Nothing may unwind into the system's code.
  try {
    return form->Handle(window, message, wParam, lParam);
  } catch (const std::exception& error) {
    ReportAndEnd(51, error.what());
  } catch (...) {
    ReportAndEnd(51, "Внутренняя ошибка");
  }
}

void RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);  // a second registration fails harmlessly
}

HWND CreateChild(const wchar_t* windowClass, DWORD style, const RECT& rect, HWND parent,
                 void* owner) {
  return CreateWindowExW(0, windowClass, L"", WS_CHILD | style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                         GetModuleHandleW(nullptr), owner);
}

// The run time's button values: 1 left, 2 right, 4 middle.
int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 2;
    default:
      return 4;
  }
}

int16_t ButtonsHeld(WPARAM wParam) {
  return static_cast<int16_t>(((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                              ((wParam & MK_MBUTTON) ? 4 : 0));
}

// The shift state a mouse message carries; Alt it does not, so it is asked.
int16_t ShiftOf(WPARAM wParam) {
  return static_cast<int16_t>(((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
                              (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// Where the mouse was when the message was sent, in the window's pixels.
POINT MessagePoint(HWND window) {
  const DWORD position = GetMessagePos();
  POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ScreenToClient(window, &point);
  return point;
}

HFONT FontOf(const ControlDesign& design) {
  if (!design.font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const FontDesign& font = *design.font;
  return CreateFontW(-static_cast<int>(std::lround(font.points * 96.0 / 72.0)), 0, 0, 0,
                     font.weight, FALSE, FALSE, FALSE, static_cast<BYTE>(font.charset),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     Wide(font.face).c_str());
}

UINT AlignmentOf(const ControlDesign& design) {
  const UINT side = design.alignment == 2 ? DT_CENTER : design.alignment == 1 ? DT_RIGHT : DT_LEFT;
  return side | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
}

void FillWith(HDC dc, const RECT& rect, Color color) {
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}

// The image in the window's corner, as the system's device-independent bitmap.
void Show(HDC dc, const Surface& image) {
  std::vector<uint8_t> bgrx(static_cast<size_t>(image.width()) * image.height() * 4);
  const uint8_t* rgb = image.data();
  for (size_t i = 0, j = 0; i < bgrx.size(); i += 4, j += 3) {
    bgrx[i] = rgb[j + 2];
    bgrx[i + 1] = rgb[j + 1];
    bgrx[i + 2] = rgb[j];
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width();
  info.bmiHeader.biHeight = -image.height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(image.width()), static_cast<DWORD>(image.height()),
                    0, 0, 0, static_cast<UINT>(image.height()), bgrx.data(), &info, DIB_RGB_COLORS);
}

// An icon or cursor from a decoded picture, its alpha kept.
HICON IconOf(const Picture& picture, bool icon, int hotX = 0, int hotY = 0) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = picture.width;
  header.bV5Height = -picture.height;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                   &bits, nullptr, 0);
  if (!color) return nullptr;
  auto* bgra = static_cast<uint8_t*>(bits);
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    bgra[i] = picture.rgba[i + 2];
    bgra[i + 1] = picture.rgba[i + 1];
    bgra[i + 2] = picture.rgba[i];
    bgra[i + 3] = picture.rgba[i + 3];
  }
  HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
  ICONINFO info{icon, static_cast<DWORD>(hotX), static_cast<DWORD>(hotY), mask, color};
  HICON made = CreateIconIndirect(&info);
  ::DeleteObject(mask);
  ::DeleteObject(color);
  return made;
}

RECT RectOf(const ControlDesign& design, int origin) {
  const int left = origin + PixelsOf(static_cast<float>(design.rect.left));
  const int top = origin + PixelsOf(static_cast<float>(design.rect.top));
  return RECT{left, top, left + PixelsOf(static_cast<float>(design.rect.width)),
              top + PixelsOf(static_cast<float>(design.rect.height))};
}

}  // namespace

int PixelsOf(float twips) { return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel)); }

COLORREF ToColorRef(Color color) {
  const Rgb rgb = ResolveColor(color);
  return RGB(rgb.r, rgb.g, rgb.b);
}

HWND WindowOf(int32_t handle) { return reinterpret_cast<HWND>(static_cast<intptr_t>(handle)); }
// The system's handles fit in 32 bits, so that 32-bit programs can share them.
int32_t HandleOf(HANDLE window) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(window)); }

int16_t ShiftState() {
  return static_cast<int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                              (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                              (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

// ---- Labels ----

void LabelControl::setCaption(std::string_view text) {
  caption_ = text;
  InvalidateRect(container_, &place_.rect, FALSE);
}

void LabelControl::Draw(HDC dc) const {
  const ControlDesign& d = design();
  RECT rect = place_.rect;
  if (d.backStyle == 1) FillWith(dc, rect, d.backColor);
  if (d.borderStyle == 1) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  if (caption_.empty()) return;
  HFONT font = FontOf(d);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(d.foreColor));
  DrawTextW(dc, Wide(caption_).c_str(), -1, &rect, AlignmentOf(d));
  SelectObject(dc, old);
  if (d.font) ::DeleteObject(font);
}

// ---- The panel ----

PictureBoxControl::PictureBoxControl(FormWindow& form, Placement place)
    : form_(form),
      place_(place),
      window_(CreateChild(kWindowClass, WS_CLIPCHILDREN | (place.design.visible ? WS_VISIBLE : 0),
                          place.rect, form.window(), &form)),
      background_(CreateSolidBrush(ToColorRef(place.design.backColor))) {}

PictureBoxControl::~PictureBoxControl() { ::DeleteObject(background_); }

void PictureBoxControl::setVisible(bool visible) {
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
  form_.UpdatePointer();
}

// ---- The file list ----

FileListControl::FileListControl(HWND container, Placement place)
    : place_(place),
      window_(CreateChild(L"LISTBOX",
                          WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                              (place.design.borderStyle ? WS_BORDER : 0),
                          place.rect, container, nullptr)),
      background_(CreateSolidBrush(ToColorRef(place.design.backColor))) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(place.design)), FALSE);
}

FileListControl::~FileListControl() { ::DeleteObject(background_); }

HBRUSH FileListControl::Colour(HDC dc) const {
  SetTextColor(dc, ToColorRef(design().foreColor));
  SetBkColor(dc, ToColorRef(design().backColor));
  return background_;
}

bool FileListControl::RowAt(POINT screen) const {
  ScreenToClient(window_, &screen);
  const LRESULT row = SendMessageW(window_, LB_ITEMFROMPOINT, 0, MAKELPARAM(screen.x, screen.y));
  return HIWORD(row) == 0;  // the high word is set outside the rows
}

std::string FileListControl::FileName() const {
  const LRESULT selected = SendMessageW(window_, LB_GETCURSEL, 0, 0);
  if (selected < 0 || static_cast<size_t>(selected) >= entries_.size()) return {};
  return entries_[static_cast<size_t>(selected)];
}

// ---- The window ----

FormWindow::FormWindow(const FormDesign& design)
    : design_(design),
      window_(nullptr),
      surface_(PixelsOf(static_cast<float>(design.clientWidth)),
               PixelsOf(static_cast<float>(design.clientHeight)), kPlaceholderFace),
      transient_(0, 0) {
  RegisterWindowClass();
  const DWORD style = WS_CLIPCHILDREN | (design.borderStyle == 0 ? WS_POPUP : WS_OVERLAPPEDWINDOW);
  window_ = CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, Wide(design.caption).c_str(), style, 0,
                            0, surface_.width(), surface_.height(), nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!window_) throw RuntimeError(51, "Не удалось создать окно");
  LoadPictures();
  BuildControls();
}

FormWindow::~FormWindow() {
  list_.reset();
  panel_.reset();
  DestroyWindow(window_);
  for (HICON icon : {bigIcon_, smallIcon_})
    if (icon) DestroyIcon(icon);
  if (hand_) DestroyCursor(hand_);
}

void FormWindow::LoadPictures() {
  try {
    const Picture background = ReadBackground(design_.picture);
    surface_.DrawPicture(background.width, background.height, background.rgba.data());
  } catch (const RuntimeError&) {
    // A design without its picture shows the plain face.
  }
  for (const ControlDesign& control : design_.controls) {
    if (control.mousePointer != pointer::kCustom || control.mouseIcon.empty()) continue;
    try {
      const CursorPicture cursor = ReadCursor(control.mouseIcon);
      hand_ = IconOf(cursor.image, false, cursor.hotX, cursor.hotY);
    } catch (const RuntimeError&) {
    }
    break;
  }
}

// The icons cost milliseconds that the first sight of the window need not wait for.
void FormWindow::SetIcons() {
  try {
    for (const Picture& picture : ReadIcon(design_.icon)) {
      HICON& slot = picture.width <= GetSystemMetrics(SM_CXSMICON) ? smallIcon_ : bigIcon_;
      if (!slot) slot = IconOf(picture, true);
    }
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  } catch (const RuntimeError&) {
  }
}

void FormWindow::BuildControls() {
  // The panel first, so that the controls inside know where they lie.
  for (const ControlDesign& control : design_.controls) {
    if (control.type != ControlType::PictureBox) continue;
    if (panel_ || !control.container.empty())
      throw RuntimeError(err::kInvalidProperty, "Нет контейнера " + std::string(control.name));
    panel_ = std::make_unique<PictureBoxControl>(*this, Placement{RectOf(control, 0), control});
  }
  // Later labels are drawn over and hit before earlier ones.
  for (const ControlDesign& control : design_.controls | std::views::reverse) {
    HWND container = window_;
    int origin = 0;
    if (!control.container.empty()) {
      if (!panel_ || panel_->design().name != control.container)
        throw RuntimeError(err::kInvalidProperty,
                           "Нет контейнера " + std::string(control.container));
      container = panel_->window();
      origin = panel_->border();
    }
    const Placement place{RectOf(control, origin), control, origin};
    if (control.type == ControlType::Label)
      labels_.push_back(std::make_unique<LabelControl>(container, place));
    else if (control.type == ControlType::FileListBox)
      list_ = std::make_unique<FileListControl>(container, place);
  }
  std::reverse(labels_.begin(), labels_.end());
}

void FormWindow::ShowCentred() {
  if (design_.startUpPosition == 2) {
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const Place place = CentredPlace(screen, surface_.width(), surface_.height());
    SetWindowPos(window_, nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetIcons();
}

float FormWindow::Left() const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return TwipsFrom(rect.left);
}

float FormWindow::Top() const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return TwipsFrom(rect.top);
}

float FormWindow::Width() const { return TwipsFrom(surface_.width()); }
float FormWindow::Height() const { return TwipsFrom(surface_.height()); }

void FormWindow::setDrawWidth(int16_t pixels) {
  if (pixels < 1) throw RuntimeError(err::kInvalidProperty, "Недопустимое значение свойства");
  drawWidth_ = pixels;
}

void FormWindow::setLeft(float twips) { Move(twips, Top()); }
void FormWindow::setTop(float twips) { Move(Left(), twips); }

void FormWindow::Move(float left, float top) {
  SetWindowPos(window_, nullptr, PixelsOf(left), PixelsOf(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setMousePointer(int32_t pointer) {
  formPointer_ = pointer;
  UpdatePointer();
}

void FormWindow::LineBox(float x1, float y1, float x2, float y2, Color color) {
  Surface& canvas = Canvas();
  canvas.FillBox(PixelsOf(x1), PixelsOf(y1), PixelsOf(x2), PixelsOf(y2), ResolveColor(color));
  Painted(canvas);
}

void FormWindow::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  Surface& canvas = Canvas();
  canvas.RoundRect(l, t, r, b, ew, eh, drawWidth_, ResolveColor(foreColor_));
  Painted(canvas);
}

void FormWindow::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  Surface& canvas = Canvas();
  canvas.GradientFill(from, to, vertical);
  Painted(canvas);
}

Surface& FormWindow::Canvas() {
  if (autoRedraw_) return surface_;
  // Without AutoRedraw the drawing shows until the next repaint, which
  // comes from the persistent image.
  if (!transientShown_) transient_ = surface_;
  transientShown_ = true;
  return transient_;
}

void FormWindow::Painted(const Surface& canvas) {
  if (&canvas == &surface_ || !IsWindowVisible(window_)) {
    InvalidateRect(window_, nullptr, FALSE);  // the next repaint shows it
    return;
  }
  HDC dc = GetDC(window_);
  Show(dc, canvas);
  for (const auto& label : labels_)
    if (label->container() == window_) label->Draw(dc);
  ReleaseDC(window_, dc);
}

void FormWindow::Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (window == window_) {
    transientShown_ = false;
    Show(dc, surface_);
  } else {
    RECT rect;
    ::GetClientRect(window, &rect);
    FillWith(dc, rect, panel_->design().backColor);
    if (panel_->border()) FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  for (const auto& label : labels_)
    if (label->container() == window) label->Draw(dc);
  EndPaint(window, &paint);
}

LabelControl* FormWindow::LabelAt(HWND container, POINT point) const {
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it)
    if ((*it)->container() == container && (*it)->Contains(point)) return it->get();
  return nullptr;
}

FileListControl* FormWindow::ListOf(HWND window) const {
  return list_ && list_->window() == window ? list_.get() : nullptr;
}

void FormWindow::UpdatePointer() {
  POINT screen;
  GetCursorPos(&screen);
  HWND under = WindowFromPoint(screen);
  const bool onForm = under == window_, onPanel = panel_ && under == panel_->window();
  if (!pressed_ && !onForm && !onPanel && !ListOf(under)) return;  // not ours to set
  const wchar_t* shape = IDC_ARROW;
  HCURSOR cursor = nullptr;
  if (pressed_ || onForm || onPanel) {
    POINT point = screen;
    ScreenToClient(under, &point);
    const LabelControl* label = pressed_ ? nullptr : LabelAt(under, point);
    if (label && label->design().mousePointer == pointer::kCustom) cursor = hand_;
    if (!label && !onPanel && formPointer_ == pointer::kSizeAll) shape = IDC_SIZEALL;
  }
  SetCursor(cursor ? cursor : LoadCursorW(nullptr, shape));
}

void FormWindow::MouseButton(HWND container, UINT message, WPARAM wParam) {
  const POINT point = MessagePoint(container);
  const int16_t button = ButtonOf(message);
  if (IsButtonDown(message) && !pressed_ && !pressedLabel_) {
    pressedLabel_ = LabelAt(container, point);
    // The panel's own area: nothing reaches the window beneath.
    if (!pressedLabel_ && container != window_) return;
    pressed_ = !pressedLabel_;
    SetCapture(container);
  }
  if (pressedLabel_) {
    // A click is a left press and release over the same label.
    const LabelControl* label = pressedLabel_;
    if (ButtonsHeld(wParam) == 0 && !IsButtonDown(message)) {
      pressedLabel_ = nullptr;
      ReleaseCapture();
    }
    if (!IsButtonDown(message) && button == 1 && label->Contains(point) && events_)
      Deliver([&] { events_->Click(label->design().name, label->design().index); });
    return;
  }
  if (!pressed_ || !events_) return;
  const POINT at = MessagePoint(window_);
  const float x = TwipsFrom(at.x), y = TwipsFrom(at.y);
  if (IsButtonDown(message)) {
    Deliver([&] { events_->MouseDown(button, ShiftOf(wParam), x, y); });
    return;
  }
  if (ButtonsHeld(wParam) == 0) {
    pressed_ = false;
    ReleaseCapture();
  }
  Deliver([&] { events_->MouseUp(button, ShiftOf(wParam), x, y); });
  UpdatePointer();
}

LRESULT FormWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers it all
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      MouseButton(window, message, wParam);
      return 0;
    case WM_MOUSEMOVE:
      if (window == window_ && !pressedLabel_ && events_ &&
          (pressed_ || !LabelAt(window, MessagePoint(window)))) {
        const POINT at = MessagePoint(window_);
        Deliver([&] {
          events_->MouseMove(ButtonsHeld(wParam), ShiftOf(wParam), TwipsFrom(at.x),
                             TwipsFrom(at.y));
        });
      }
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;  // a message box took the mouse, say
      pressedLabel_ = nullptr;
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      UpdatePointer();
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == LBN_DBLCLK && events_)
        if (FileListControl* list = ListOf(reinterpret_cast<HWND>(lParam)))
          if (const DWORD at = GetMessagePos();
              list->RowAt({static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}))
            Deliver([&] { events_->DblClick(list->design().name); });
      return 0;
    case WM_CTLCOLORLISTBOX:
      if (FileListControl* list = ListOf(reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(list->Colour(reinterpret_cast<HDC>(wParam)));
      break;
    case WM_CLOSE:
      // The system's close ends the program and runs none of its code.
      ExitProcess(0);
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

template <typename Control>
Control& FormWindow::Named(std::string_view name, std::optional<int16_t> index) const {
  auto named = [&](const ControlDesign& design) {
    return design.name == name && design.index == index;
  };
  if constexpr (std::is_same_v<Control, LabelControl>) {
    for (const auto& label : labels_)
      if (named(label->design())) return *label;
  } else if constexpr (std::is_same_v<Control, PictureBoxControl>) {
    if (panel_ && named(panel_->design())) return *panel_;
  } else {
    if (list_ && named(list_->design())) return *list_;
  }
  throw RuntimeError(err::kInvalidProperty, "Нет элемента " + std::string(name));
}

Label& FormWindow::label(std::string_view name, std::optional<int16_t> index) {
  return Named<LabelControl>(name, index);
}

PictureBox& FormWindow::pictureBox(std::string_view name) {
  return Named<PictureBoxControl>(name, std::nullopt);
}

FileListBox& FormWindow::fileListBox(std::string_view name) {
  return Named<FileListControl>(name, std::nullopt);
}

}  // namespace host::win32
