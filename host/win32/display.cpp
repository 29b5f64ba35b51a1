#include "host/win32/display.h"

#include "host/win32/system_library.h"

namespace host::win32 {

namespace {

Rect RectFrom(const RECT& rect) { return Rect{rect.left, rect.top, rect.right, rect.bottom}; }

// The screen's dots per inch as drawing sees them: what systems before the
// per-window calls give a program that declares itself aware of them.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kStandardDpi;
}

}  // namespace

int SystemDpi() {
  // Windows 10 from 1607 on; looked up, so that older systems still start.
  using GetDpi = UINT WINAPI();
  static GetDpi* const getDpi = SystemFunction<GetDpi>(L"user32.dll", "GetDpiForSystem");
  const UINT dpi = getDpi ? getDpi() : 0;
  return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

int WindowDpi(HWND window) {
  using GetDpi = UINT WINAPI(HWND);
  static GetDpi* const getDpi = SystemFunction<GetDpi>(L"user32.dll", "GetDpiForWindow");
  const UINT dpi = getDpi ? getDpi(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

Rect WorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  HMONITOR screen = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                           : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (screen && GetMonitorInfoW(screen, &monitor)) return RectFrom(monitor.rcWork);
  return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

DisplayScale ScaleFor(int dpi, const Rect& area, int width, int height) {
  return FittingScale(ScaleForDpi(dpi), width, height, area.right - area.left,
                      area.bottom - area.top);
}

}  // namespace host::win32
