// The menu's picture enlarged to each display scale two ways: in software,
// as both hosts do it (host/surface), and by the system's StretchBlt in its
// smoothing HALFTONE mode, the other way open to the Windows host. Prints the
// time each takes and how far apart their pixels are.
//
//   enlarge_bench.exe [RUNS]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/assets.h"
#include "bench/stats.h"
#include "host/picture_formats.h"
#include "host/surface.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kQuarters[] = {5, 6, 7, 8, 10, 12};

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

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
  std::printf(
      "The picture enlarged: in software (both hosts) and by StretchBlt HALFTONE; median ms of %d "
      "runs\n"
      "  scale   size        software   HALFTONE   apart: most  mean    over 2\n",
      runs);
  for (int quarters : kQuarters) {
    const host::DisplayScale scale = host::DisplayScale::Quarters(quarters);
    std::vector<double> software, system;
    host::Surface surface(picture.width, picture.height, {}, scale);
    for (int i = 0; i < runs; ++i) {
      const auto start = Clock::now();
      surface.DrawPicture(picture.width, picture.height, picture.rgba.data());
      software.push_back(Since(start));
    }
    const int width = surface.width(), height = surface.height();
    Bitmap enlarged(width, height);
    SetStretchBltMode(enlarged.dc, HALFTONE);
    SetBrushOrgEx(enlarged.dc, 0, 0, nullptr);
    for (int i = 0; i < runs; ++i) {
      const auto start = Clock::now();
      StretchBlt(enlarged.dc, 0, 0, width, height, source.dc, 0, 0, picture.width, picture.height,
                 SRCCOPY);
      GdiFlush();
      system.push_back(Since(start));
    }
    int most = 0, over = 0;
    double sum = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const uint8_t* theirs = enlarged.bgrx + (static_cast<size_t>(y) * width + x) * 4;
        const host::Rgb mine = surface.at(x, y);
        const int apart[] = {std::abs(theirs[2] - mine.r), std::abs(theirs[1] - mine.g),
                             std::abs(theirs[0] - mine.b)};
        for (int value : apart) {
          most = std::max(most, value);
          sum += value;
          over += value > 2;
        }
      }
    std::printf("  %.2f    %4dx%-4d   %6.2f    %6.2f            %3d   %.3f   %.4f %%\n",
                scale.factor(), width, height, bench::Median(software), bench::Median(system), most,
                sum / (3.0 * width * height), 100.0 * over / (3.0 * width * height));
  }
  return 0;
}
