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
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "host/display_scale.h"
#include "host/host.h"

namespace host {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A pixel as both screens take it: a 32-bit word 0x00RRGGBB, as X's usual
// visual and a 32-bit Windows bitmap hold it, so that an image goes to the
// screen as it is.
constexpr uint32_t WordOf(Rgb colour) {
  return uint32_t{colour.r} << 16 | uint32_t{colour.g} << 8 | colour.b;
}
constexpr Rgb RgbOf(uint32_t word) {
  return Rgb{static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 8),
             static_cast<uint8_t>(word)};
}

// Makes elements without setting them, for memory that is written before it
// is read.
template <typename T>
struct UnsetAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UnsetAllocator<U>;
  };
  template <typename U>
  void construct(U* element) noexcept {
    ::new (static_cast<void*>(element)) U;
  }
  template <typename U, typename... Args>
  void construct(U* element, Args&&... args) {
    ::new (static_cast<void*>(element)) U(std::forward<Args>(args)...);
  }
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
  // An image of width x height program pixels, held at `scale`. With no
  // fill its pixels are left unset, for drawing that covers them all.
  Surface(int width, int height, std::optional<Rgb> fill = Rgb{}, DisplayScale scale = {});
  // Rows top..bottom-1 (in the pixels held) alone of such an image, unset,
  // drawn on as the whole would be: a band that goes to the screen while
  // the next is drawn.
  static Surface Band(int width, int height, DisplayScale scale, int top, int bottom);

  // In the pixels it holds: the program's times the scale.
  int width() const { return width_; }
  int height() const { return height_; }
  DisplayScale scale() const { return scale_; }
  // The rows held: all, or a band's.
  int top() const { return top_; }
  int bottom() const { return bottom_; }
  // Row y of those held, its words left to right; the rows below follow it.
  const uint32_t* Row(int y) const {
    return pixels_.data() + static_cast<size_t>(y - top_) * width_;
  }
  Rgb at(int x, int y) const { return RgbOf(Row(y)[x]); }

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
  // The first pixel at or past a program coordinate, held to [0, limit],
  // and the first row, held to the rows held.
  int Edge(int64_t coordinate, int limit) const;
  int RowEdge(int64_t coordinate) const;
  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y - top_) * width_; }

  DisplayScale scale_;
  int width_, height_;
  int top_ = 0, bottom_;
  std::vector<uint32_t, UnsetAllocator<uint32_t>> pixels_;
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
