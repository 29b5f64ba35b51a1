// Presses paired into double clicks the way the program's users know them:
// in a quick run of clicks, 1 and 2 make a double click, 3 is a single
// click, and 3 and 4 may make the next. FLTK counts every press after the
// first as another double click.
#pragma once

namespace host::fltk {

class DoubleClicks {
 public:
  // One press: whether it may take part (the left button, on a row), and
  // whether it followed the previous press quickly and close by. True when
  // it completes a double click.
  bool Press(bool counts, bool quick) {
    const bool second = counts && quick && pairOpen_;
    pairOpen_ = counts && !second;
    return second;
  }

 private:
  bool pairOpen_ = false;  // the previous press may be the first of a pair
};

}  // namespace host::fltk
