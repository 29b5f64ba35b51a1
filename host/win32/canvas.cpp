#include "host/win32/canvas.h"

#include <vector>

namespace host::win32 {

void PaintImage(HDC dc, const Surface& image) {
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

}  // namespace host::win32
