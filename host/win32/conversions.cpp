#include "host/win32/conversions.h"

#include "host/surface.h"
#include "host/win32/unicode.h"

namespace host::win32 {

COLORREF ToColorRef(Color color) {
  const Rgb rgb = ResolveColor(color);
  return RGB(rgb.r, rgb.g, rgb.b);
}

void FillWith(HDC dc, const RECT& rect, Color color) {
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

HFONT FontOf(const ControlDesign& design, DisplayScale scale) {
  if (!design.font) {
    LOGFONTW system{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system);
    system.lfHeight = scale.Scaled(system.lfHeight);
    return CreateFontIndirectW(&system);
  }
  const FontDesign& font = *design.font;
  return CreateFontW(-FontPixels(font.points, scale), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                     static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH, Wide(font.face).c_str());
}

HWND WindowOf(int32_t handle) { return reinterpret_cast<HWND>(static_cast<intptr_t>(handle)); }

int32_t HandleOf(HANDLE handle) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(handle)); }

void FrameInside(HDC dc, RECT& rect, DisplayScale scale) {
  for (int ring = scale.Scaled(1); ring > 0; --ring) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
}

RECT RectOf(const PixelRect& rect, int dx, int dy) {
  return RECT{rect.left - dx, rect.top - dy, rect.left - dx + rect.width,
              rect.top - dy + rect.height};
}

}  // namespace host::win32
