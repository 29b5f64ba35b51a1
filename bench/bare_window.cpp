// The least a start-up window can cost: a borderless, centred window showing
// the menu's own 640 x 480 picture, linked as the menu is and opening the
// display as the menu does, so that the start-up benchmark sees only what the
// menu does beyond that.
#include "bench/bare_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cstddef>
#include <utility>
#include <vector>

#include "app/assets.h"
#include "host/fltk/display.h"
#include "host/picture_formats.h"

namespace {

// FLTK blends four-channel pictures in software on X11; three are drawn as
// they are.
std::vector<uchar> RgbOf(const host::Picture& picture) {
  std::vector<uchar> rgb;
  rgb.reserve(picture.rgba.size() / 4 * 3);
  for (std::size_t i = 0; i < picture.rgba.size(); i += 4)
    rgb.insert(rgb.end(), picture.rgba.begin() + i, picture.rgba.begin() + i + 3);
  return rgb;
}

// Draws the picture itself: a labelled box would load a font it never uses.
class PictureWindow final : public Fl_Window {
 public:
  PictureWindow(std::vector<uchar> rgb, int w, int h, const char* title)
      : Fl_Window(w, h, title), rgb_(std::move(rgb)) {}

 private:
  void draw() override { fl_draw_image(rgb_.data(), 0, 0, w(), h(), 3); }

  std::vector<uchar> rgb_;
};

}  // namespace

int main() {
  // FLTK's own opening also sets the locale and an input method; the menu's
  // does not, and the two are to differ only in the window.
  if (!host::fltk::OpenDisplay()) return 1;
  PictureWindow window(RgbOf(host::ReadBackground(app::assets::Background())),
                       host::kBackgroundWidth, host::kBackgroundHeight, bench::kBareWindowTitle);
  window.end();
  window.border(0);
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  window.position(sx + (sw - window.w()) / 2, sy + (sh - window.h()) / 2);
  window.show();
  return Fl::run();
}
