// How the benchmarks see a program's window come up: mapped, then showing
// the menu's picture. Both the warm start-up benchmark and the cold start
// from a simulated drive use it, so that they stop their clocks alike.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

// The colours the menu's picture may show at any scale about two spots: its
// middle, and a spot near its bottom, where the image, sent top to bottom,
// arrives last. Each spot may show those of the four picture pixels around
// it, give or take rounding.
class PictureSpots {
 public:
  PictureSpots();
  struct Spot {
    double x, y;  // as shares of the window's width and height
    int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
  };
  const std::vector<Spot>& spots() const { return spots_; }
  static bool Shows(const Spot& spot, unsigned long pixel);

 private:
  std::vector<Spot> spots_;
};

// A window may be gone by the time its name is asked for; that is no fault.
int IgnoreXErrors(Display*, XErrorEvent*);
// Reads and drops what the server has queued.
void Drain(Display* display);
// Whether the child has ended; it is left to be reaped with its usage.
bool HasEnded(pid_t child);
// Waits for a top-level window of this title to be mapped; 0 if none is
// before the timeout or the child ends. The root must be watched for
// SubstructureNotify.
Window AwaitMap(Display* display, const std::string& title, pid_t child);
// Waits for the window to show the picture at each spot.
bool AwaitPicture(Display* display, Window window, const PictureSpots& picture);

}  // namespace bench
