#include "toolkit/decoration.h"

#include <iterator>

#include "host/numbers.h"
#include "toolkit/colors.h"

namespace toolkit {

namespace {
constexpr int32_t kCornerEllipse = 20;
constexpr host::Color kBlack = 0;
constexpr host::Color kWhite = 0xFFFFFF;

constexpr double kDarkShade = 0.2;
constexpr double kLightTint = 0.5;
constexpr double kGradientTint = 0.3;

constexpr int16_t kRingPen = 2;
constexpr int16_t kOuterOutlinePen = 3;
constexpr int16_t kInnerOutlinePen = 1;

// The gradient filler takes 16-bit components: the channel in the high byte.
constexpr int32_t kHighByte = 256;

// Kept as real numbers: a frame source may report fractions in its own units.
struct Frame {
  double left = 0, top = 0, right = 0, bottom = 0;
};

host::Rect ClientRect(const host::Window& target) {
  host::Rect rect;
  host::runtime().GetClientRect(target.hWnd(), rect);
  return rect;
}

Frame FrameOf(const host::Window& target, const host::Extent* frameSource) {
  if (!frameSource) {
    const host::Rect rect = ClientRect(target);
    return {double(rect.left), double(rect.top), double(rect.right), double(rect.bottom)};
  }
  const double left = frameSource->Left();
  const double top = frameSource->Top();
  return {left, top, left + frameSource->Width(), top + frameSource->Height()};
}

// The frame's rectangle drawn `inset` pixels in from each side.
void DrawInset(const host::Window& target, const Frame& frame, int32_t inset, int32_t ellipseWidth,
               int32_t ellipseHeight) {
  host::runtime().RoundRect(target.hdc(), host::CLng(frame.left + inset),
                            host::CLng(frame.top + inset), host::CLng(frame.right - inset),
                            host::CLng(frame.bottom - inset), ellipseWidth, ellipseHeight);
}

// Right and bottom are exclusive: the outline runs along the last pixels inside.
void DrawOuterOutline(const host::Window& target, const Frame& frame, int32_t ellipseWidth,
                      int32_t ellipseHeight) {
  host::runtime().RoundRect(target.hdc(), host::CLng(frame.left), host::CLng(frame.top),
                            host::CLng(frame.right - 1), host::CLng(frame.bottom - 1), ellipseWidth,
                            ellipseHeight);
}

void ShapeRounded(host::Window& target) {
  const int32_t region = MakeRoundRegion(target, kCornerEllipse, kCornerEllipse);
  host::runtime().SetWindowRgn(target.hWnd(), region, true);
  // The window owns the region once it is set; our handle is no longer needed.
  host::runtime().DeleteObject(region);
}

void PaintPlainBackground(host::Window& target, int16_t rimWidth, host::Color dark,
                          host::Color light) {
  const float width = target.ScaleWidth();
  const float height = target.ScaleHeight();
  target.LineBox(0, 0, width, height, light);
  PaintBorder(target, rimWidth, kCornerEllipse, kCornerEllipse, dark, light, false);
}

host::TriVertex VertexOf(double x, double y, host::Color color) {
  host::TriVertex vertex;
  vertex.x = host::CLng(x);
  vertex.y = host::CLng(y);
  vertex.Red = UShortBits(RedOf(color) * kHighByte);
  vertex.Green = UShortBits(GreenOf(color) * kHighByte);
  vertex.Blue = UShortBits(BlueOf(color) * kHighByte);
  vertex.Alpha = 0;
  return vertex;
}

void PaintGradientBackground(host::Window& target, host::Color baseColor) {
  const host::Color endColor = BlendColor(baseColor, kWhite, kGradientTint);
  PaintGradient(target, baseColor, endColor, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                true);
}
}  // namespace

void DecorateWindow(host::Window& target, int16_t borderWidth, host::Color baseColor,
                    bool roundCorners, bool paintBackground, bool plainBackground, int16_t rimWidth,
                    const host::Extent* frameSource) {
  if (roundCorners) ShapeRounded(target);
  // Painting into the persistent image keeps the frame through every repaint.
  target.setAutoRedraw(true);
  const host::Color dark = BlendColor(baseColor, kBlack, kDarkShade);
  const host::Color light = BlendColor(baseColor, kWhite, kLightTint);
  if (paintBackground) {
    if (plainBackground)
      PaintPlainBackground(target, rimWidth, dark, light);
    else
      PaintGradientBackground(target, baseColor);
  }
  PaintBorder(target, borderWidth, kCornerEllipse, kCornerEllipse, dark, light, true, frameSource);
  target.setAutoRedraw(false);
  target.Refresh();
}

int32_t MakeRoundRegion(host::Window& target, int32_t ellipseWidth, int32_t ellipseHeight) {
  const host::Rect rect = ClientRect(target);
  return host::runtime().CreateRoundRectRgn(rect.left, rect.top, rect.right, rect.bottom,
                                            ellipseWidth, ellipseHeight);
}

void PaintBorder(host::Window& target, int16_t ringCount, int32_t ellipseWidth,
                 int32_t ellipseHeight, host::Color fromColor, host::Color toColor,
                 bool innerOutline, const host::Extent* frameSource) {
  const Frame frame = FrameOf(target, frameSource);
  target.setDrawWidth(kRingPen);
  for (int32_t inset = 1; inset <= ringCount; ++inset) {
    target.setForeColor(BlendColor(fromColor, toColor, double(inset) / ringCount));
    DrawInset(target, frame, inset, ellipseWidth, ellipseHeight);
  }
  target.setForeColor(kBlack);
  target.setDrawWidth(kOuterOutlinePen);
  DrawOuterOutline(target, frame, ellipseWidth, ellipseHeight);
  if (!innerOutline) return;
  target.setDrawWidth(kInnerOutlinePen);
  DrawInset(target, frame, int32_t{ringCount} + 1, ellipseWidth, ellipseHeight);
}

void PaintGradient(host::Window& target, host::Color fromColor, host::Color toColor,
                   std::optional<double> x1, std::optional<double> y1, std::optional<double> x2,
                   std::optional<double> y2, bool vertical) {
  // Any scale mode but pixels is taken to be twips.
  const double fx =
      target.Scalemode() == host::scale::kPixels ? 1.0 : host::runtime().TwipsPerPixelX();
  const double fy =
      target.Scalemode() == host::scale::kPixels ? 1.0 : host::runtime().TwipsPerPixelY();
  const bool savedAutoRedraw = target.AutoRedraw();
  target.setAutoRedraw(true);
  const int32_t dc = target.hdc();
  const double left = x1.value_or(0);
  const double top = y1.value_or(0);
  const double right = x2 ? *x2 : host::IntDiv(target.ScaleWidth(), fx);
  const double bottom = y2 ? *y2 : host::IntDiv(target.ScaleHeight(), fy);
  FillGradientRect(dc, left, top, right, bottom, fromColor, toColor, vertical);
  target.setAutoRedraw(savedAutoRedraw);
  target.Refresh();
}

void FillGradientRect(int32_t dc, double x1, double y1, double x2, double y2, host::Color fromColor,
                      host::Color toColor, bool vertical) {
  const host::TriVertex vertices[2] = {VertexOf(x1, y1, fromColor), VertexOf(x2, y2, toColor)};
  const host::GradientRect mesh{0, 1};
  const uint32_t mode = vertical ? host::kGradientFillRectV : host::kGradientFillRectH;
  host::runtime().GradientFill(dc, vertices, std::size(vertices), &mesh, 1, mode);
}

}  // namespace toolkit
