// How the benchmarks see a program's window come up: mapped, then showing
// the menu's picture. Both the warm start-up benchmark and the cold start
// from a simulated drive use it, so that they stop their clocks alike.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>

namespace bench {

// The colours the middle of the menu's picture may show at any scale: those
// of the four pixels around its centre, give or take rounding.
class PictureMiddle {
 public:
  PictureMiddle();
  bool Shows(unsigned long pixel) const;

 private:
  int low_[3] = {255, 255, 255}, high_[3] = {0, 0, 0};
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
// Waits for the middle of the window to show the middle of the picture.
bool AwaitPicture(Display* display, Window window, const PictureMiddle& middle);

}  // namespace bench
