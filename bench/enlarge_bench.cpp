// The menu's picture enlarged to each display scale two ways: in software,
// as both hosts do it (host/surface), and by the X server's RENDER extension
// with its bilinear filter, the other way open to the Linux host. Prints the
// time each takes and how far apart their pixels are.
//
//   enlarge_bench [RUNS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/assets.h"
#include "bench/enlarge_compare.h"
#include "host/picture_formats.h"

namespace {

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
  bench::PrintEnlargeHeader("RENDER", "RENDER", runs);
  for (int quarters : bench::kEnlargeQuarters) {
    std::vector<double> software, render;
    const host::Surface surface =
        bench::EnlargeInSoftware(picture, host::DisplayScale::Quarters(quarters), runs, software);
    const int width = surface.width(), height = surface.height();
    Pixmap enlarged = 0;
    for (int i = 0; i < runs; ++i) {
      if (enlarged) XFreePixmap(display, enlarged);
      const auto start = bench::EnlargeClock::now();
      enlarged = server.Enlarge(quarters, width, height);
      render.push_back(bench::Since(start));
    }
    XImage* shown = XGetImage(display, enlarged, 0, 0, width, height, AllPlanes, ZPixmap);
    bench::PrintEnlargeRow(surface, software, render, 6, [shown](int x, int y) {
      const unsigned long pixel = XGetPixel(shown, x, y);
      return host::Rgb{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                       static_cast<uint8_t>(pixel)};
    });
    XDestroyImage(shown);
    XFreePixmap(display, enlarged);
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
