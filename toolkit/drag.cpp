#include "toolkit/drag.h"

#include "host/numbers.h"

namespace toolkit {

bool IsDragging = false;
int32_t DragX = 0;
int32_t DragY = 0;

namespace {

struct PixelFactors {
  double x = 1, y = 1;
};

// Only twips are taken as they are; every other scale mode counts as pixels.
PixelFactors FactorsFor(int16_t scaleMode) {
  if (scaleMode == host::scale::kTwips) return {};
  return {host::runtime().TwipsPerPixelX(), host::runtime().TwipsPerPixelY()};
}

// A step is accepted only while the window reaches past both edges of the
// container along that axis.
bool ReachesPastBothEdges(double newStart, double size, double containerSize) {
  return newStart < 0 && newStart + size > containerSize;
}

void BoundHorizontally(float x, host::Window& target, const host::Extent& container,
                       double& newLeft) {
  const double width = target.Width();
  if (ReachesPastBothEdges(newLeft, width, container.Width())) return;
  newLeft = target.Left();
  DragX = host::CLng(x);
}

void BoundVertically(float y, host::Window& target, const host::Extent& container, double& newTop) {
  const double height = target.Height();
  if (ReachesPastBothEdges(newTop, height, container.Height())) return;
  newTop = target.Top();
  DragY = host::CLng(y);
}

void Reposition(host::Window& target, double newLeft, double newTop, bool useMove) {
  if (useMove) {
    target.Move(static_cast<float>(newLeft), static_cast<float>(newTop));
    return;
  }
  target.setLeft(static_cast<float>(newLeft));
  target.setTop(static_cast<float>(newTop));
}
}  // namespace

void DragBegin(int16_t button, int16_t /*shift*/, float x, float y, host::Window& target) {
  if (button != host::button::kLeft) return;
  IsDragging = true;
  DragX = host::CLng(x);
  DragY = host::CLng(y);
  target.setMousePointer(host::pointer::kSizeAll);
}

void DragMove(int16_t button, int16_t /*shift*/, float x, float y, host::Window& target,
              std::optional<int16_t> scaleMode, bool useMove, const host::Extent* container) {
  // Called on every pointer move: an idle call must touch nothing.
  if (button != host::button::kLeft || !IsDragging) return;
  const PixelFactors factors = FactorsFor(scaleMode ? *scaleMode : target.Scalemode());
  double newLeft = target.Left() + (static_cast<double>(x) - DragX) * factors.x;
  double newTop = target.Top() + (static_cast<double>(y) - DragY) * factors.y;
  if (container) {
    BoundHorizontally(x, target, *container, newLeft);
    BoundVertically(y, target, *container, newTop);
  }
  Reposition(target, newLeft, newTop, useMove);
}

void DragEnd(int16_t button, int16_t /*shift*/, float /*x*/, float /*y*/, host::Window& target) {
  if (button != host::button::kLeft) return;
  IsDragging = false;
  target.setMousePointer(host::pointer::kDefault);
}

}  // namespace toolkit
