#include "host/fltk/canvas.h"

#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace host::fltk {

namespace {

// Whether the screen takes the image's words 0x00RRGGBB as they are: the
// usual X visual, little-endian as this program is.
bool TakesWordsAsIs() {
  const Visual* visual = fl_visual->visual;
  if (ImageByteOrder(fl_display) != LSBFirst) return false;
  if (fl_visual->c_class != TrueColor || (fl_visual->depth != 24 && fl_visual->depth != 32) ||
      visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
    return false;
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(fl_display, &count);
  bool words = false;
  for (int i = 0; i < count; ++i)
    if (formats[i].depth == fl_visual->depth) words = formats[i].bits_per_pixel == 32;
  if (formats) XFree(formats);
  return words;
}

// Rows from..to-1 handed to the server as the band holds them.
void PutWords(const Surface& band, int from, int to) {
  XImage* words = XCreateImage(fl_display, fl_visual->visual, fl_visual->depth, ZPixmap, 0,
                               reinterpret_cast<char*>(const_cast<uint32_t*>(band.Row(from))),
                               band.width(), to - from, 32, 0);
  if (!words) return;
  const int left = static_cast<int>(std::lround(fl_transform_x(0, 0)));
  const int top = static_cast<int>(std::lround(fl_transform_y(0, 0)));
  XPutImage(fl_display, fl_window, fl_gc, words, 0, 0, left, top + from, band.width(), to - from);
  words->data = nullptr;  // the band's own
  XDestroyImage(words);
}

// Any other screen: FLTK turns RGB into its pixels.
void PutRgb(const Surface& band, int from, int to) {
  const int width = band.width();
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * (to - from) * 3);
  const uint32_t* words = band.Row(from);
  for (size_t i = 0; i < rgb.size() / 3; ++i) {
    const Rgb pixel = RgbOf(words[i]);
    rgb[i * 3] = pixel.r;
    rgb[i * 3 + 1] = pixel.g;
    rgb[i * 3 + 2] = pixel.b;
  }
  fl_draw_image(rgb.data(), 0, from, width, to - from, 3);
}

// Memory shared with the server, where a band can go without being copied
// through the connection: at a large scale that copying costs more than
// drawing. None where the server cannot reach this program's memory, as
// over a network.
class SharedBand {
 public:
  static SharedBand* Get() {
    static SharedBand band;
    return band.memory_ ? &band : nullptr;
  }

  // Rows from..to-1 of the band handed to the server and stored by it, so
  // that the memory is free for the next.
  bool Put(const Surface& band, int from, int to) {
    const size_t bytes = static_cast<size_t>(band.width()) * (to - from) * 4;
    if (bytes > kBytes) return false;
    XImage* words = XShmCreateImage(fl_display, fl_visual->visual, fl_visual->depth, ZPixmap,
                                    memory_, &segment_, band.width(), to - from);
    if (!words) return false;
    std::memcpy(memory_, band.Row(from), bytes);
    const int left = static_cast<int>(std::lround(fl_transform_x(0, 0)));
    const int top = static_cast<int>(std::lround(fl_transform_y(0, 0)));
    XShmPutImage(fl_display, fl_window, fl_gc, words, 0, 0, left, top + from, band.width(),
                 to - from, False);
    XSync(fl_display, False);
    words->data = nullptr;  // the shared memory's
    XDestroyImage(words);
    return true;
  }

 private:
  static constexpr size_t kBytes = size_t{ScaledImage::kBandPixels} * 4;

  SharedBand() {
    if (!XShmQueryExtension(fl_display)) return;
    segment_.shmid = shmget(IPC_PRIVATE, kBytes, IPC_CREAT | 0600);
    if (segment_.shmid < 0) return;
    void* memory = shmat(segment_.shmid, nullptr, 0);
    segment_.shmaddr = static_cast<char*>(memory);
    segment_.readOnly = True;
    // Gone as soon as both ends let go of it, the program ending included.
    if (memory != reinterpret_cast<void*>(-1) && Attach()) memory_ = segment_.shmaddr;
    shmctl(segment_.shmid, IPC_RMID, nullptr);
    if (!memory_ && memory != reinterpret_cast<void*>(-1)) shmdt(memory);
  }

  // Whether the server took the memory: it answers with an error where it
  // cannot reach it.
  bool Attach() {
    static bool refused;
    refused = false;
    const auto previous = XSetErrorHandler([](Display*, XErrorEvent*) {
      refused = true;
      return 0;
    });
    XShmAttach(fl_display, &segment_);
    XSync(fl_display, False);
    XSetErrorHandler(previous);
    return !refused;
  }

  XShmSegmentInfo segment_{};
  char* memory_ = nullptr;
};

}  // namespace

void PaintImage(const Canvas& canvas, int width, int height) {
  static const bool takesWords = TakesWordsAsIs();
  // Only the rows FLTK repaints now.
  int x, y, w, h;
  fl_clip_box(0, 0, width, height, x, y, w, h);
  if (!takesWords) return canvas.ShowRows(y, y + h, PutRgb);
  // At scale 1 the image is at hand, and little: it goes through the connection.
  SharedBand* shared = canvas.scale() != DisplayScale() ? SharedBand::Get() : nullptr;
  canvas.ShowRows(y, y + h, [shared](const Surface& band, int from, int to) {
    if (!shared || !shared->Put(band, from, to)) PutWords(band, from, to);
  });
}

}  // namespace host::fltk
