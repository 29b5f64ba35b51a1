// The system's messages as the shared input rules hear them: every press,
// release, motion and key of the form, its panel and its list, in the
// form's program pixels; and the paint of each.
#include "host/delivery.h"
#include "host/win32/canvas.h"
#include "host/win32/event_state.h"
#include "host/win32/form_window.h"
#include "host/win32/keyboard.h"

namespace host::win32 {

namespace {

// Where a mouse message happened, in the form's pixels.
POINT FormPoint(HWND form, HWND window, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  MapWindowPoints(window, form, &point, 1);
  return point;
}

}  // namespace

LRESULT FormWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window == window_ && accessibility_)
    if (const std::optional<LRESULT> answer = accessibility_->Answer(message, wParam, lParam))
      return *answer;
  switch (message) {
    case WM_PAINT:
      if (ListWindow(window)) break;  // the list box paints itself
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      if (ListWindow(window)) break;
      return 1;  // the paint covers it all
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      Mouse(window, message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      input().Cancel();  // a message box took the mouse, say
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      SetCursor(cursor_);
      return TRUE;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (KeyMessage(input(), message, wParam)) return 0;
      break;  // Alt+F4 and the other system keys keep their meaning
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) input().KeyboardLost();
      input().ActiveChanged();
      break;
    case WM_CTLCOLORLISTBOX:
      if (FileListWidget* list = ListWindow(reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(list->Colour(reinterpret_cast<HDC>(wParam)));
      break;
    case WM_DPICHANGED:
      if (window != window_) break;
      FollowDpi(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      EndProgram(0);  // the system's close ends the program and runs none of its code
      return 0;
    default:
      break;
  }
  return Default(window, message, wParam, lParam);
}

LRESULT FormWindow::Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (FileListWidget* list = ListWindow(window)) return list->Default(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

// The press's window holds the mouse until all buttons are up, so that its
// release comes back to the rules wherever it happens.
void FormWindow::Mouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at = FormPoint(window_, window, lParam);
  const float x = scale().ProgramPixelsOf(at.x), y = scale().ProgramPixelsOf(at.y);
  FormInput& rules = input();
  if (message == WM_MOUSEMOVE) {
    Deliver([&] { rules.Motion(ButtonsHeld(wParam), ShiftOf(wParam), x, y); });
    return;
  }
  const int16_t button = ButtonOf(message);
  if (IsButtonDown(message)) {
    if (!rules.Held()) SetCapture(window);
    Deliver([&] { rules.Press(button, ShiftOf(wParam), x, y, GetMessageTime()); });
    return;
  }
  // A release's message carries the buttons still held.
  Deliver([&] { rules.Release(button, ShiftOf(wParam), x, y, ButtonsHeld(wParam)); });
  if (!rules.Held() && GetCapture() == window) ReleaseCapture();
}

void FormWindow::Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (window == window_) {
    canvas().Repaint();
    PaintForm(dc);
  } else if (const PictureBoxWidget* panel = PanelWindow(window)) {
    panel->Paint(dc);
  }
  EndPaint(window, &paint);
}

}  // namespace host::win32
