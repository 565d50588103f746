#pragma once
// Powers in extended precision.

#include "matematic/extended.h"

namespace strs {

// base^exponent by square-and-multiply: the result starts at 1 and, walking the
// bits of |exponent| from the lowest, is multiplied by base^(2^b) for every set
// bit b. base^0 = 1 for every base (0 included); a negative base is fine; a
// negative exponent gives 1 / base^|exponent|, so 0^-k -> DivisionByZero.
// A result beyond the extended range -> FloatingOverflow.
Extended IntPower(Extended base, int exponent);

// x^y with these rules, in this order:
//   y = 0                                        -> 1
//   x = 0 and y > 0                              -> 0
//   y has no fractional part and |y| <= 2^31 - 1 -> IntPower(x, y), negative x allowed
//   otherwise                                    -> exp(y * ln x): ln of a negative x
//                                                   -> InvalidOperation, ln 0 -> DivisionByZero
Extended Power(Extended x, Extended y);

}  // namespace strs
