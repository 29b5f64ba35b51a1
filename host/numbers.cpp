#include "host/numbers.h"

#include <cmath>

#include "host/host.h"
#include "host/messages.h"

namespace host {

namespace {

[[noreturn]] void RaiseOverflow() {
  throw RuntimeError(err::kOverflow, std::string(text::kOverflow));
}

}  // namespace

double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

int16_t CInt(double value) {
  if (std::isnan(value)) RaiseOverflow();
  const double rounded = RoundHalfEven(value);
  if (rounded < INT16_MIN || rounded > INT16_MAX) RaiseOverflow();
  return static_cast<int16_t>(rounded);
}

int32_t CLng(double value) {
  if (std::isnan(value)) RaiseOverflow();
  const double rounded = RoundHalfEven(value);
  if (rounded < INT32_MIN || rounded > INT32_MAX) RaiseOverflow();
  return static_cast<int32_t>(rounded);
}

int32_t IntDiv(double dividend, double divisor) {
  const int32_t a = CLng(dividend);
  const int32_t b = CLng(divisor);
  if (b == 0) throw RuntimeError(err::kDivisionByZero, std::string(text::kDivisionByZero));
  if (a == INT32_MIN && b == -1) RaiseOverflow();
  return a / b;
}

}  // namespace host
