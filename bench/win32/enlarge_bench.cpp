// The menu's picture enlarged to each display scale two ways: in software,
// as both hosts do it (host/surface), and by the system's StretchBlt in its
// smoothing HALFTONE mode, the other way open to the Windows host. Prints the
// time each takes and how far apart their pixels are.
//
//   enlarge_bench.exe [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/assets.h"
#include "bench/enlarge_compare.h"
#include "host/picture_formats.h"

namespace {

// A top-down 32-bit bitmap selected into a memory device context.
struct Bitmap {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  uint8_t* bgrx = nullptr;

  Bitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bgrx = static_cast<uint8_t*>(bits);
    old = SelectObject(dc, bitmap);
  }
  ~Bitmap() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  Bitmap source(picture.width, picture.height);
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    source.bgrx[i] = picture.rgba[i + 2];
    source.bgrx[i + 1] = picture.rgba[i + 1];
    source.bgrx[i + 2] = picture.rgba[i];
  }
  bench::PrintEnlargeHeader("StretchBlt HALFTONE", "HALFTONE", runs);
  for (int quarters : bench::kEnlargeQuarters) {
    std::vector<double> software, system;
    const host::Surface surface =
        bench::EnlargeInSoftware(picture, host::DisplayScale::Quarters(quarters), runs, software);
    const int width = surface.width(), height = surface.height();
    Bitmap enlarged(width, height);
    SetStretchBltMode(enlarged.dc, HALFTONE);
    SetBrushOrgEx(enlarged.dc, 0, 0, nullptr);
    for (int i = 0; i < runs; ++i) {
      const auto start = bench::EnlargeClock::now();
      StretchBlt(enlarged.dc, 0, 0, width, height, source.dc, 0, 0, picture.width, picture.height,
                 SRCCOPY);
      GdiFlush();
      system.push_back(bench::Since(start));
    }
    bench::PrintEnlargeRow(surface, software, system, 8, [&](int x, int y) {
      const uint8_t* theirs = enlarged.bgrx + (static_cast<size_t>(y) * width + x) * 4;
      return host::Rgb{theirs[2], theirs[1], theirs[0]};
    });
  }
  return 0;
}
