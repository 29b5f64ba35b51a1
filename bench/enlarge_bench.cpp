// The menu's picture enlarged to each display scale two ways: in software,
// as both hosts do it (host/surface), and by the X server's RENDER extension
// with its bilinear filter, the other way open to the Linux host. Prints the
// time each takes and how far apart their pixels are.
//
//   enlarge_bench [RUNS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>

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

// The picture on the server, read by RENDER enlarged `quarters` / 4 times.
struct Server {
  Display* display;
  Visual* visual;
  Pixmap pixmap;
  Picture source;

  Server(Display* d, const host::Picture& picture) : display(d) {
    visual = DefaultVisual(display, DefaultScreen(display));
    pixmap = XCreatePixmap(display, DefaultRootWindow(display), picture.width, picture.height, 24);
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i < picture.rgba.size(); i += 4)
      pixels.push_back(uint32_t{picture.rgba[i]} << 16 | picture.rgba[i + 1] << 8 |
                       picture.rgba[i + 2]);
    XImage* image =
        XCreateImage(display, visual, 24, ZPixmap, 0, reinterpret_cast<char*>(pixels.data()),
                     picture.width, picture.height, 32, 0);
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, picture.width, picture.height);
    XFreeGC(display, gc);
    image->data = nullptr;  // the vector's
    XDestroyImage(image);
    XRenderPictureAttributes edges{};
    edges.repeat = RepeatPad;
    source = XRenderCreatePicture(display, pixmap, XRenderFindVisualFormat(display, visual),
                                  CPRepeat, &edges);
    XRenderSetPictureFilter(display, source, FilterBilinear, nullptr, 0);
  }
  ~Server() {
    XRenderFreePicture(display, source);
    XFreePixmap(display, pixmap);
  }

  // Enlarges into a new pixmap and waits for the server to finish.
  Pixmap Enlarge(int quarters, int width, int height) {
    const XFixed shrink = XDoubleToFixed(4.0 / quarters), one = XDoubleToFixed(1);
    XTransform transform{{{shrink, 0, 0}, {0, shrink, 0}, {0, 0, one}}};
    XRenderSetPictureTransform(display, source, &transform);
    const Pixmap to = XCreatePixmap(display, DefaultRootWindow(display), width, height, 24);
    const Picture target =
        XRenderCreatePicture(display, to, XRenderFindVisualFormat(display, visual), 0, nullptr);
    XRenderComposite(display, PictOpSrc, source, None, target, 0, 0, 0, 0, 0, 0, width, height);
    XRenderFreePicture(display, target);
    XSync(display, False);
    return to;
  }
};

// Each scale's figures, the server's resources let go before the display.
void Compare(Display* display, const host::Picture& picture, int runs) {
  Server server(display, picture);
  std::printf(
      "The picture enlarged: in software (both hosts) and by RENDER; median ms of %d runs\n"
      "  scale   size        software   RENDER   apart: most  mean    over 2\n",
      runs);
  for (int quarters : kQuarters) {
    const host::DisplayScale scale = host::DisplayScale::Quarters(quarters);
    std::vector<double> software, render;
    host::Surface surface(picture.width, picture.height, {}, scale);
    for (int i = 0; i < runs; ++i) {
      const auto start = Clock::now();
      surface.DrawPicture(picture.width, picture.height, picture.rgba.data());
      software.push_back(Since(start));
    }
    const int width = surface.width(), height = surface.height();
    Pixmap enlarged = 0;
    for (int i = 0; i < runs; ++i) {
      if (enlarged) XFreePixmap(display, enlarged);
      const auto start = Clock::now();
      enlarged = server.Enlarge(quarters, width, height);
      render.push_back(Since(start));
    }
    XImage* shown = XGetImage(display, enlarged, 0, 0, width, height, AllPlanes, ZPixmap);
    int most = 0, over = 0;
    double sum = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const unsigned long pixel = XGetPixel(shown, x, y);
        const host::Rgb mine = surface.at(x, y);
        const int theirs[] = {int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF)};
        const int ours[] = {mine.r, mine.g, mine.b};
        for (int c = 0; c < 3; ++c) {
          const int apart = std::abs(theirs[c] - ours[c]);
          most = std::max(most, apart);
          sum += apart;
          over += apart > 2;
        }
      }
    XDestroyImage(shown);
    XFreePixmap(display, enlarged);
    std::printf("  %.2f    %4dx%-4d   %6.2f    %6.2f          %3d   %.3f   %.4f %%\n",
                scale.factor(), width, height, bench::Median(software), bench::Median(render), most,
                sum / (3.0 * width * height), 100.0 * over / (3.0 * width * height));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  Display* display = XOpenDisplay(nullptr);
  int events, errors;
  if (!display || !XRenderQueryExtension(display, &events, &errors)) {
    std::fprintf(stderr, "enlarge_bench: no X display with RENDER\n");
    return 0;
  }
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  Compare(display, picture, runs);
  XCloseDisplay(display);
  return 0;
}
