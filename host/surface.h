// A window's persistent image: what it shows on every repaint. The drawing
// calls are done here in software, so the image can be painted before the
// window exists on screen and reads back exactly.
//
// At a display scale the same calls, in the program's pixels, are drawn at
// the screen's resolution: each screen pixel takes what the drawing puts at
// its centre, so that lines and rings land on whole screen pixels, as wide on
// every side as the drawing makes them, and the picture is enlarged smoothly.
#pragma once

#include <cstdint>
#include <vector>

#include "host/display_scale.h"
#include "host/host.h"

namespace host {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour of the program, a system colour resolved.
Rgb ResolveColor(Color color);

// Whether pixel (x, y) lies inside the rounded rectangle left..right-1,
// top..bottom-1 whose corners are quarter ellipses of the given size; at a
// display scale, whether screen pixel (x, y) does, the rectangle being in
// the program's pixels.
bool InsideRoundRect(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     int32_t ellipseWidth, int32_t ellipseHeight, DisplayScale scale = {});

class Surface {
 public:
  // An image of width x height program pixels, held at `scale`.
  Surface(int width, int height, Rgb fill = {}, DisplayScale scale = {});

  // In the pixels it holds: the program's times the scale.
  int width() const { return width_; }
  int height() const { return height_; }
  DisplayScale scale() const { return scale_; }
  const uint8_t* data() const { return pixels_.data(); }  // RGB, top-down
  Rgb at(int x, int y) const;

  // Copies an RGBA picture (top-down) to the top-left corner at its own size
  // in program pixels; at a scale, enlarged smoothly.
  void DrawPicture(int width, int height, const uint8_t* rgba);
  void FillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color);
  // The outline of a rounded rectangle with a pen of penWidth pixels centred
  // on the path through the outermost pixels left..right-1, top..bottom-1.
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight, int penWidth, Rgb pen);
  // A rectangle whose 16-bit components change linearly from the first
  // corner's vertex to the second's, down (vertical) or across.
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);

 private:
  void Plot(int x, int y, Rgb color);
  // The first pixel at or past a program coordinate, held to [0, limit].
  int Edge(int64_t coordinate, int limit) const;

  DisplayScale scale_;
  int width_, height_;
  std::vector<uint8_t> pixels_;
};

// The platform's rectangle gradient over a mesh: each rectangle's two
// corner vertices handed to fill(from, to, vertical), in order. False for an
// unknown mode, or at the first rectangle that names a missing vertex.
template <typename Fill>
bool ForEachGradientRect(const TriVertex* vertices, uint32_t vertexCount, const GradientRect* mesh,
                         uint32_t meshCount, uint32_t mode, Fill&& fill) {
  if (mode > kGradientFillRectV) return false;
  for (uint32_t i = 0; i < meshCount; ++i) {
    if (mesh[i].UpperLeft >= vertexCount || mesh[i].LowerRight >= vertexCount) return false;
    fill(vertices[mesh[i].UpperLeft], vertices[mesh[i].LowerRight], mode == kGradientFillRectV);
  }
  return true;
}

}  // namespace host
