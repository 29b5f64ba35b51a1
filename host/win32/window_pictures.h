// The window's icons and hand cursor as the system's, from the pictures its
// design carries.
#pragma once

#include <windows.h>

#include "host/design.h"
#include "host/display_scale.h"

namespace host::win32 {

class WindowPictures {
 public:
  WindowPictures() = default;
  ~WindowPictures();
  WindowPictures(const WindowPictures&) = delete;
  WindowPictures& operator=(const WindowPictures&) = delete;

  // The hand of the hot areas at `scale`, in place of any before; a damaged
  // one raises the run time's error.
  void LoadHand(const FormDesign& design, DisplayScale scale);
  // The icons, large and small, given to `window`. They cost milliseconds
  // that the first sight of the window need not wait for.
  void SetIcons(const FormDesign& design, HWND window);
  HCURSOR hand() const { return hand_; }

 private:
  HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
  HCURSOR hand_ = nullptr;
};

}  // namespace host::win32
