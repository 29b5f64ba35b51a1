#include "host/win32/canvas.h"

namespace host::win32 {

void PaintImage(HDC dc, const Canvas& canvas, int top, int bottom) {
  canvas.ShowRows(top, bottom, [dc](const Surface& band, int from, int to) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = band.width();
    info.bmiHeader.biHeight = -(to - from);  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;  // words 0x00RRGGBB, as the band holds them
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, from, static_cast<DWORD>(band.width()), static_cast<DWORD>(to - from),
                      0, 0, 0, static_cast<UINT>(to - from), band.Row(from), &info, DIB_RGB_COLORS);
  });
}

}  // namespace host::win32
