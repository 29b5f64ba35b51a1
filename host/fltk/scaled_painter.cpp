#include "host/fltk/scaled_painter.h"

#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/extensions/Xrender.h>

#include <algorithm>
#include <cstring>

namespace {

// A pixmap of the screen's own form holding `rgb`. Outside the program's
// namespace: FLTK's macros name X's Window.
Fl_Offscreen PixmapOf(const uint8_t* rgb, int width, int height) {
  const Fl_Offscreen pixmap = fl_create_offscreen(width, height);
  fl_begin_offscreen(pixmap);
  fl_draw_image(rgb, 0, 0, width, height, 3);
  fl_end_offscreen();
  return pixmap;
}

}  // namespace

namespace host::fltk {

namespace {

bool SameSize(const Surface& a, const Surface& b) {
  return a.width() == b.width() && a.height() == b.height();
}

}  // namespace

std::vector<DrawnBlock> DrawnBlocks(const Surface& image, const Surface& picture) {
  const int width = image.width();
  if (!SameSize(image, picture)) return {{0, 0, width, image.height()}};
  std::vector<DrawnBlock> blocks;
  std::vector<size_t> above, here;  // the blocks reaching the row above, and this row
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* now = image.data() + y * rowBytes;
    const uint8_t* was = picture.data() + y * rowBytes;
    auto differs = [&](int x) { return std::memcmp(now + x * 3, was + x * 3, 3) != 0; };
    here.clear();
    for (int x = 0; x < width && std::memcmp(now, was, rowBytes);) {
      if (!differs(x)) {
        ++x;
        continue;
      }
      const int left = x;
      while (x < width && differs(x)) ++x;
      auto same = [&](size_t i) { return blocks[i].left == left && blocks[i].right == x; };
      const auto block = std::find_if(above.begin(), above.end(), same);
      if (block != above.end()) {
        ++blocks[*block].bottom;
        here.push_back(*block);
      } else {
        here.push_back(blocks.size());
        blocks.push_back({left, y, x, y + 1});
      }
    }
    std::swap(above, here);
  }
  return blocks;
}

ScaledPainter::~ScaledPainter() { Release(); }

void ScaledPainter::Release() {
  if (!fl_display) return;  // the server has let them go with the connection
  if (source_) XRenderFreePicture(fl_display, source_);
  if (pixmap_) fl_delete_offscreen(pixmap_);
  if (enlarged_) fl_delete_offscreen(enlarged_);
  pixmap_ = source_ = enlarged_ = 0;
}

void ScaledPainter::SetPicture(const Surface& picture) {
  picture_ = picture;
  uploaded_ = shown_ = false;
}

void ScaledPainter::Upload() {
  Release();
  uploaded_ = true;
  int events, errors;
  if (!XRenderQueryExtension(fl_display, &events, &errors)) return;
  XRenderPictFormat* format = XRenderFindVisualFormat(fl_display, fl_visual->visual);
  if (!format) return;
  pixmap_ = PixmapOf(picture_.data(), picture_.width(), picture_.height());
  XRenderPictureAttributes edges{};
  edges.repeat = RepeatPad;  // the border pixels blend with themselves
  source_ = XRenderCreatePicture(fl_display, pixmap_, format, CPRepeat, &edges);
  const XFixed shrink = XDoubleToFixed(1.0 / factor_), one = XDoubleToFixed(1);
  XTransform transform{{{shrink, 0, 0}, {0, shrink, 0}, {0, 0, one}}};
  XRenderSetPictureTransform(fl_display, source_, &transform);
  XRenderSetPictureFilter(fl_display, source_, FilterBilinear, nullptr, 0);
}

void ScaledPainter::EnlargeInto(unsigned long drawable) {
  XRenderPictFormat* format = XRenderFindVisualFormat(fl_display, fl_visual->visual);
  const Picture to = XRenderCreatePicture(fl_display, drawable, format, 0, nullptr);
  XRenderComposite(fl_display, PictOpSrc, source_, None, to, 0, 0, 0, 0, 0, 0,
                   picture_.width() * factor_, picture_.height() * factor_);
  XRenderFreePicture(fl_display, to);
}

void ScaledPainter::ShowPicture() {
  const int width = picture_.width() * factor_, height = picture_.height() * factor_;
  // The first picture straight onto the window, for a quick start; from the
  // first repaint on, one enlargement kept and copied.
  if (shown_ && !enlarged_) {
    enlarged_ = fl_create_offscreen(width, height);
    EnlargeInto(enlarged_);
  }
  if (enlarged_)
    fl_copy_offscreen(0, 0, width, height, enlarged_, 0, 0);
  else
    EnlargeInto(fl_window);
  shown_ = true;
}

void ScaledPainter::Paint(const Surface& image) {
  if (!uploaded_) Upload();
  const bool smooth = source_ && SameSize(image, picture_);
  if (smooth) ShowPicture();
  for (const DrawnBlock& block : DrawnBlocks(image, smooth ? picture_ : Surface(0, 0)))
    DrawRepeated(image, block);
}

void ScaledPainter::DrawRepeated(const Surface& image, const DrawnBlock& block) {
  const size_t rowBytes = static_cast<size_t>(block.right - block.left) * factor_ * 3;
  pixels_.resize(rowBytes * (block.bottom - block.top) * factor_);
  uint8_t* to = pixels_.data();
  for (int y = block.top; y < block.bottom; ++y) {
    const uint8_t* row = to;
    const uint8_t* from = image.data() + (static_cast<size_t>(y) * image.width() + block.left) * 3;
    for (int x = block.left; x < block.right; ++x, from += 3)
      for (int i = 0; i < factor_; ++i, to += 3) std::memcpy(to, from, 3);
    for (int i = 1; i < factor_; ++i, to += rowBytes) std::memcpy(to, row, rowBytes);
  }
  fl_draw_image(pixels_.data(), block.left * factor_, block.top * factor_,
                (block.right - block.left) * factor_, (block.bottom - block.top) * factor_, 3);
}

}  // namespace host::fltk
