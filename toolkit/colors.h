// Colour arithmetic: channels, blends and the 16-bit components of the
// gradient filler. Pure functions.
#pragma once

#include <cstdint>

#include "host/host.h"

namespace toolkit {

int32_t RedOf(int32_t color);
int32_t GreenOf(int32_t color);
int32_t BlueOf(int32_t color);

// ((b - a) * t) + a, in that order.
double Interpolate(double a, double b, double t);

// The colour t of the way from fromColor to toColor, channel by channel;
// t is clamped to 0..1 and each channel rounded halves to even.
host::Color BlendColor(host::Color fromColor, host::Color toColor, double t);

// The low 15 bits of value, with bit 15 set when any of bits 15..31 is.
int16_t UShortBits(int32_t value);

}  // namespace toolkit
