#include "bench/window_watch.h"

#include <X11/Xutil.h>
#include <poll.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/assets.h"
#include "host/picture_formats.h"

namespace bench {

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(10);

bool HasTitle(Display* display, Window window, const std::string& title) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || !name) return false;
  const bool same = title == name;
  XFree(name);
  return same;
}
}  // namespace

PictureSpots::PictureSpots() {
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  // Rows inside the frame's rings, which are drawn over the picture.
  for (const int row : {picture.height / 2, picture.height - 30}) {
    Spot spot{0.5, static_cast<double>(row) / picture.height};
    for (int y : {row - 1, row})
      for (int x : {picture.width / 2 - 1, picture.width / 2})
        for (int c = 0; c < 3; ++c) {
          const int value = picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4 + c];
          spot.low[c] = std::min(spot.low[c], value - 2);
          spot.high[c] = std::max(spot.high[c], value + 2);
        }
    spots_.push_back(spot);
  }
}

bool PictureSpots::Shows(const Spot& spot, unsigned long pixel) {
  for (int c = 0; c < 3; ++c) {
    const int value = static_cast<int>(pixel >> (16 - 8 * c)) & 0xFF;
    if (value < spot.low[c] || value > spot.high[c]) return false;
  }
  return true;
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

void Drain(Display* display) {
  XSync(display, False);
  XEvent event;
  while (XPending(display)) XNextEvent(display, &event);
}

bool HasEnded(pid_t child) {
  siginfo_t info{};
  return waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == child;
}

Window AwaitMap(Display* display, const std::string& title, pid_t child) {
  const auto deadline = Clock::now() + kTimeout;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (Clock::now() < deadline) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && HasTitle(display, event.xmap.window, title))
        return event.xmap.window;
    }
    if (HasEnded(child)) return 0;
    poll(&connection, 1, 50);
  }
  return 0;
}

bool AwaitPicture(Display* display, Window window, const PictureSpots& picture) {
  const auto deadline = Clock::now() + kTimeout;
  while (Clock::now() < deadline) {
    XWindowAttributes attributes{};
    bool shown = XGetWindowAttributes(display, window, &attributes);
    for (const PictureSpots::Spot& spot : picture.spots()) {
      if (!shown) break;
      XImage* image =
          XGetImage(display, window, static_cast<int>(spot.x * attributes.width),
                    static_cast<int>(spot.y * attributes.height), 1, 1, AllPlanes, ZPixmap);
      shown = image && PictureSpots::Shows(spot, XGetPixel(image, 0, 0));
      if (image) XDestroyImage(image);
    }
    if (shown) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

}  // namespace bench
