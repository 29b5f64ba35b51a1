#include "host/win32/window_pictures.h"

#include "host/window_pictures.h"

namespace host::win32 {

namespace {

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
  DeleteObject(mask);
  DeleteObject(color);
  return made;
}

}  // namespace

WindowPictures::~WindowPictures() {
  for (HICON icon : {bigIcon_, smallIcon_})
    if (icon) DestroyIcon(icon);
  if (hand_) DestroyCursor(hand_);
}

void WindowPictures::LoadHand(const FormDesign& design, DisplayScale scale) {
  const std::optional<CursorPicture> cursor = HandOf(design, scale);
  if (!cursor) return;
  if (hand_) DestroyCursor(hand_);
  hand_ = IconOf(cursor->image, false, cursor->hotX, cursor->hotY);
}

void WindowPictures::SetIcons(const FormDesign& design, HWND window) {
  for (const Picture& picture : IconsOf(design)) {
    HICON& slot = picture.width <= GetSystemMetrics(SM_CXSMICON) ? smallIcon_ : bigIcon_;
    if (!slot) slot = IconOf(picture, true);
  }
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

}  // namespace host::win32
