// What both enlargement benches share: the scales, the software enlargement
// timed, and how far the system's own enlargement lies from it.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/stats.h"
#include "host/picture_formats.h"
#include "host/surface.h"

namespace bench {

using EnlargeClock = std::chrono::steady_clock;

constexpr int kEnlargeQuarters[] = {5, 6, 7, 8, 10, 12};

inline double Since(EnlargeClock::time_point start) {
  return std::chrono::duration<double, std::milli>(EnlargeClock::now() - start).count();
}

// The picture enlarged in software at `scale`, `runs` times, each timed.
inline host::Surface EnlargeInSoftware(const host::Picture& picture, host::DisplayScale scale,
                                       int runs, std::vector<double>& times) {
  host::Surface surface(picture.width, picture.height, host::Rgb{}, scale);
  for (int i = 0; i < runs; ++i) {
    const auto start = EnlargeClock::now();
    surface.DrawPicture(picture.width, picture.height, picture.rgba.data());
    times.push_back(Since(start));
  }
  return surface;
}

inline void PrintEnlargeHeader(const char* how, const char* column, int runs) {
  std::printf(
      "The picture enlarged: in software (both hosts) and by %s; median ms of %d runs\n"
      "  scale   size        software   %s   apart: most  mean    over 2\n",
      how, runs, column);
}

// One scale's row: the times, then how far theirs(x, y), an Rgb, lies from
// the software's pixels, most and on average, and how often by over 2.
template <typename Theirs>
void PrintEnlargeRow(const host::Surface& mine, const std::vector<double>& software,
                     const std::vector<double>& system, int columnWidth, Theirs&& theirs) {
  const int width = mine.width(), height = mine.height();
  int most = 0, over = 0;
  double sum = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const host::Rgb ours = mine.at(x, y), other = theirs(x, y);
      for (const int apart :
           {std::abs(other.r - ours.r), std::abs(other.g - ours.g), std::abs(other.b - ours.b)}) {
        most = std::max(most, apart);
        sum += apart;
        over += apart > 2;
      }
    }
  std::printf("  %.2f    %4dx%-4d   %6.2f    %6.2f%*s%3d   %.3f   %.4f %%\n", mine.scale().factor(),
              width, height, Median(software), Median(system), columnWidth + 4, "", most,
              sum / (3.0 * width * height), 100.0 * over / (3.0 * width * height));
}

}  // namespace bench
