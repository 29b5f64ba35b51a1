// Which pointer the window shows: the control under the mouse decides, else
// the window's own MousePointer; nothing changes while a press on the
// background is held.
#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <cstdint>

#include "host/host.h"

namespace host::fltk {

class PointerRules {
 public:
  // The hand shown over hot areas whose design asks for the custom pointer.
  void setHand(const Fl_RGB_Image* hand, int hotX, int hotY);
  void setFormPointer(int32_t pointer);
  // Sets the pointer for the mouse at window pixel (x, y); `held` while a
  // press on the background lasts.
  void Update(Fl_Window& window, int x, int y, bool held);
  // The next Update sets the pointer even if its owner stays the same.
  void Forget() { set_ = false; }

 private:
  const Fl_RGB_Image* hand_ = nullptr;
  int handX_ = 0, handY_ = 0;
  int32_t formPointer_ = pointer::kDefault;
  const Fl_Widget* owner_ = nullptr;
  bool set_ = false;
};

}  // namespace host::fltk
