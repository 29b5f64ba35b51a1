// The run time's number conversions: rounding halves to even, overflow raised
// as a run-time error rather than wrapped.
#pragma once

#include <cstdint>

namespace host {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// To a 16-bit integer; beyond -32768..32767 raises err::kOverflow.
int16_t CInt(double value);

// To a 32-bit integer; beyond its range raises err::kOverflow.
int32_t CLng(double value);

// Integer division: both operands rounded to whole numbers first, the
// quotient truncated toward zero. Division by zero raises an error.
int32_t IntDiv(double dividend, double divisor);

}  // namespace host
