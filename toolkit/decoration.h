// Shaping and painting any window: the rounded outline, the frame of colour
// rings with its black outlines, and the plain or gradient background.
#pragma once

#include <cstdint>
#include <optional>

#include "host/host.h"

namespace toolkit {

// Rounded outline, background and frame, painted into the window's
// persistent image. frameSource, when given, places the frame's rectangle.
void DecorateWindow(host::Window& target, int16_t borderWidth, host::Color baseColor,
                    bool roundCorners, bool paintBackground, bool plainBackground, int16_t rimWidth,
                    const host::Extent* frameSource = nullptr);

// A new region covering the window's client rectangle with rounded corners.
int32_t MakeRoundRegion(host::Window& target, int32_t ellipseWidth, int32_t ellipseHeight);

// ringCount rings shading from fromColor toward toColor, the thick black
// outer outline and, when asked, a thin black inner one.
void PaintBorder(host::Window& target, int16_t ringCount, int32_t ellipseWidth,
                 int32_t ellipseHeight, host::Color fromColor, host::Color toColor,
                 bool innerOutline, const host::Extent* frameSource = nullptr);

// A two-colour gradient over the given corners (pixels), by default the
// window's whole scale area, painted into its persistent image.
void PaintGradient(host::Window& target, host::Color fromColor, host::Color toColor,
                   std::optional<double> x1, std::optional<double> y1, std::optional<double> x2,
                   std::optional<double> y2, bool vertical);

// One call of the platform's gradient filler.
void FillGradientRect(int32_t dc, double x1, double y1, double x2, double y2, host::Color fromColor,
                      host::Color toColor, bool vertical);

}  // namespace toolkit
