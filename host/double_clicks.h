// Presses paired into double clicks as the program's users know them: in a
// quick run of presses on one target, the first and second make a double
// click, the third starts a new pair.
#pragma once

#include <cmath>
#include <cstdint>

namespace host {

// The system's limits of a double click: the time between the presses and
// how far apart they may lie, in the window's pixels along each axis.
struct ClickLimits {
  uint32_t milliseconds = 500;
  float distance = 2;
};

class DoubleClicks {
 public:
  // One press on `target`; `counts` whether it may take part at all (the
  // left button, on a row). True when it completes a double click.
  bool Press(bool counts, int target, float x, float y, uint32_t time, const ClickLimits& limits) {
    const bool second = counts && open_ && target == target_ &&
                        time - time_ <= limits.milliseconds &&
                        std::abs(x - x_) <= limits.distance && std::abs(y - y_) <= limits.distance;
    open_ = counts && !second;
    target_ = target, x_ = x, y_ = y, time_ = time;
    return second;
  }
  // What comes between two presses that breaks their pair.
  void Break() { open_ = false; }

 private:
  bool open_ = false;  // the previous press may be the first of a pair
  int target_ = 0;
  float x_ = 0, y_ = 0;
  uint32_t time_ = 0;
};

}  // namespace host
