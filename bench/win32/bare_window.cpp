// The least a start-up window can cost on Windows: a borderless, centred
// window showing the menu's own 640 x 480 picture, from the same built-in
// bytes, so that the start-up benchmark sees only what the menu does beyond.
#include "bench/bare_window.h"

#include <windows.h>

#include <vector>

#include "app/assets.h"
#include "host/picture_formats.h"
#include "host/win32/unicode.h"

namespace {

std::vector<uint8_t> bgrx;  // the picture as the system draws it

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = host::kBackgroundWidth;
    info.bmiHeader.biHeight = -host::kBackgroundHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    SetDIBitsToDevice(dc, 0, 0, host::kBackgroundWidth, host::kBackgroundHeight, 0, 0, 0,
                      host::kBackgroundHeight, bgrx.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain() {
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  bgrx.resize(picture.rgba.size());
  for (size_t i = 0; i < bgrx.size(); i += 4) {
    bgrx[i] = picture.rgba[i + 2];
    bgrx[i + 1] = picture.rgba[i + 1];
    bgrx[i + 2] = picture.rgba[i];
  }
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(
      WS_EX_APPWINDOW, L"BareWindow", host::win32::Wide(bench::kBareWin32WindowTitle).c_str(),
      WS_POPUP, (GetSystemMetrics(SM_CXSCREEN) - host::kBackgroundWidth) / 2,
      (GetSystemMetrics(SM_CYSCREEN) - host::kBackgroundHeight) / 2, host::kBackgroundWidth,
      host::kBackgroundHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
