#pragma once
// What the extended type needs beyond + - * / and comparisons, on either kind of it:
// the x87 unit's mode, rounding to an integer and the square root, each exactly rounded.

#include "matematic/extended.h"

namespace strs {

// Sets the x87 unit to 64-bit precision, round to nearest, every exception masked (the
// software type needs nothing). Called first thing by every program's main.
void SetExtendedPrecisionMode();

// x rounded to an integer, ties to even, whatever the rounding mode.
Extended RoundHalfEven(Extended x);

// sqrt(x), correctly rounded; sqrt(-0) = -0, as on the x87.
Extended Sqrt(Extended x);

}  // namespace strs
