#pragma once
// Intermediate results are computed in 80-bit extended precision (64-bit mantissa);
// arrays, sums and stored values are doubles.

#include <cfloat>

namespace strs {

using Extended = long double;
static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit type (64-bit mantissa)");

}  // namespace strs
