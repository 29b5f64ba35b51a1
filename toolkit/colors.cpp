#include "toolkit/colors.h"

#include "host/numbers.h"

namespace toolkit {

namespace {
constexpr int32_t kChannelMask = 255;
constexpr int32_t kGreenUnit = 256;
constexpr int32_t kBlueUnit = 65536;

constexpr int32_t kLow15Bits = 0x7FFF;
constexpr int32_t kBit15 = 0x8000;
constexpr uint32_t kBits15To31 = 0xFFFF8000u;

double ClampToUnit(double t) {
  if (t < 0) t = 0;
  if (t > 1) t = 1;
  return t;
}

int32_t BlendChannel(int32_t from, int32_t to, double t) {
  return host::CInt(Interpolate(from, to, t));
}
}  // namespace

int32_t RedOf(int32_t color) { return color & kChannelMask; }

// Division rather than a shift: a negative colour truncates toward zero.
int32_t GreenOf(int32_t color) { return (color / kGreenUnit) & kChannelMask; }

int32_t BlueOf(int32_t color) { return (color / kBlueUnit) & kChannelMask; }

double Interpolate(double a, double b, double t) { return ((b - a) * t) + a; }

host::Color BlendColor(host::Color fromColor, host::Color toColor, double t) {
  t = ClampToUnit(t);
  const int32_t red = BlendChannel(RedOf(fromColor), RedOf(toColor), t);
  const int32_t green = BlendChannel(GreenOf(fromColor), GreenOf(toColor), t);
  const int32_t blue = BlendChannel(BlueOf(fromColor), BlueOf(toColor), t);
  return red + kGreenUnit * green + kBlueUnit * blue;
}

int16_t UShortBits(int32_t value) {
  const bool anyHighBit = (static_cast<uint32_t>(value) & kBits15To31) != 0;
  const int32_t pattern = (value & kLow15Bits) | (anyHighBit ? kBit15 : 0);
  return static_cast<int16_t>(static_cast<uint16_t>(pattern));
}

}  // namespace toolkit
