// Paints a window's image at a display scale above 1: the background picture
// enlarged smoothly by the X server's RENDER extension, so that the artwork
// does not look blocky; and over it every pixel the program drew, repeated,
// so that its lines and rings stay sharp.
#pragma once

#include <cstdint>
#include <vector>

#include "host/surface.h"

namespace host::fltk {

// A block of the image's pixels [left, right) x [top, bottom) whose every row
// differs from the picture there and nowhere beside it.
struct DrawnBlock {
  int left, top, right, bottom;
  bool operator==(const DrawnBlock&) const = default;
};
// What of `image` shows something else than `picture`, rows alike below one
// another in one block; without a picture of its size, all of it.
std::vector<DrawnBlock> DrawnBlocks(const Surface& image, const Surface& picture);

class ScaledPainter {
 public:
  explicit ScaledPainter(int factor) : factor_(factor) {}
  ~ScaledPainter();
  ScaledPainter(const ScaledPainter&) = delete;
  ScaledPainter& operator=(const ScaledPainter&) = delete;

  // The picture beneath all drawing, as the image holds it before any.
  void SetPicture(const Surface& picture);
  // Draws `image` enlarged at the corner of what FLTK draws into now.
  void Paint(const Surface& image);

 private:
  // The picture on the server, ready to be enlarged; none without RENDER.
  void Upload();
  void ShowPicture();
  void EnlargeInto(unsigned long drawable);
  void DrawRepeated(const Surface& image, const DrawnBlock& block);
  void Release();

  int factor_;
  Surface picture_{0, 0};
  bool uploaded_ = false;
  bool shown_ = false;
  // X resources: the picture as it is, and as RENDER reads it enlarged; the
  // enlargement kept for repaints.
  unsigned long pixmap_ = 0, source_ = 0, enlarged_ = 0;
  std::vector<uint8_t> pixels_;  // a block, repeated
};

}  // namespace host::fltk
