#pragma once
// Intermediate results are computed in 80-bit extended precision (64-bit mantissa);
// arrays, sums and stored values are doubles. On x86 the x87 unit computes them; on
// other processors, or with STRS_SOFTWARE_EXTENDED on x86, the software type of
// soft_extended.h does, with the same bits.

#if STRS_SOFTWARE_EXTENDED

#include "matematic/soft_extended.h"
#include "matematic/soft_extended_limits.h"

namespace strs {
using Extended = SoftExtended;
}  // namespace strs

#else

#include <cfloat>

namespace strs {
using Extended = long double;
static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit type (64-bit mantissa)");
}  // namespace strs

#endif
