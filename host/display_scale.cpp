#include "host/display_scale.h"

#include <cmath>
#include <cstdlib>

#include "host/design.h"
#include "host/numbers.h"

namespace host {

namespace {

// Division rounding toward minus infinity, for a positive divisor.
int64_t FloorDiv(int64_t dividend, int64_t divisor) {
  const int64_t quotient = dividend / divisor;
  return quotient * divisor > dividend ? quotient - 1 : quotient;
}

// A whole number from 1 written out in full, or 0.
long PositiveWhole(const char* text) {
  if (!text || !*text) return 0;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return *end == '\0' && value > 0 ? value : 0;
}

// A positive real number written out in full, or 0.
double PositiveReal(const char* text) {
  if (!text || !*text) return 0;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  return *end == '\0' && std::isfinite(value) && value > 0 ? value : 0;
}

}  // namespace

// The pixel x whose corner is the first at or past pixel * scale: ceiling.
int64_t DisplayScale::ToScreen(int64_t pixel) const { return -FloorDiv(-pixel * quarters_, kOne); }

// The program pixel holding screenPixel / scale.
int DisplayScale::ToProgram(int screenPixel) const {
  return static_cast<int>(FloorDiv(int64_t{screenPixel} * kOne, quarters_));
}

float DisplayScale::ProgramPixelsOf(int screenPixels) const {
  return static_cast<float>(static_cast<double>(screenPixels) * kOne / quarters_);
}

int DisplayScale::ScreenPixelAt(float programPixels) const {
  // A whole pixel come back a hair short, in single precision, is still it.
  constexpr double kHair = 1.0 / 1024;
  return static_cast<int>(std::floor(static_cast<double>(programPixels) * factor() + kHair));
}

int DisplayScale::Scaled(double length) const {
  return static_cast<int>(std::lround(length * factor()));
}

float DisplayScale::TwipsOf(int screenPixels) const {
  return static_cast<float>(static_cast<double>(screenPixels) * kTwipsPerPixel * kOne / quarters_);
}

int DisplayScale::ScreenPixelsOf(float twips) const {
  return CLng(static_cast<double>(twips) * quarters_ / (kTwipsPerPixel * kOne));
}

DisplayScale ScaleForDpi(double dpi) {
  if (!std::isfinite(dpi) || dpi <= kStandardDpi) return {};
  const double quarters = std::round(dpi * DisplayScale::kOne / kStandardDpi);
  return DisplayScale::Quarters(quarters >= DisplayScale::kLargest ? DisplayScale::kLargest
                                                                   : static_cast<int>(quarters));
}

DisplayScale DesktopScale(const char* gdkScale, const char* xftDpi) {
  if (const long whole = PositiveWhole(gdkScale))
    return ScaleForDpi(static_cast<double>(whole) * kStandardDpi);
  return ScaleForDpi(PositiveReal(xftDpi));
}

DisplayScale FittingScale(DisplayScale wanted, int width, int height, int areaWidth,
                          int areaHeight) {
  for (int quarters = wanted.quarters(); quarters > DisplayScale::kOne; --quarters) {
    const DisplayScale scale = DisplayScale::Quarters(quarters);
    if (scale.ToScreen(width) <= areaWidth && scale.ToScreen(height) <= areaHeight) return scale;
  }
  return {};
}

int FontPixels(double points, DisplayScale scale) {
  constexpr double kPointsPerInch = 72;
  return scale.Scaled(points * kStandardDpi / kPointsPerInch);
}

Rect Centred(int width, int height, const Rect& around) {
  // Halves in 64 bits: the middle of two far coordinates still fits.
  const int64_t left = (int64_t{around.left} + around.right - width) / 2;
  const int64_t top = (int64_t{around.top} + around.bottom - height) / 2;
  return Rect{static_cast<int32_t>(left), static_cast<int32_t>(top),
              static_cast<int32_t>(left + width), static_cast<int32_t>(top + height)};
}

}  // namespace host
