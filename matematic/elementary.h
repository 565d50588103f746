#pragma once
// The natural logarithm and the exponential in extended precision, correctly rounded:
// the extended number nearest to the exact value (ties to even, which the exact value of
// either function never meets at a finite argument other than ln 1 = 0 and e^0 = 1).
// Both are computed with integer arithmetic alone, so every processor and every system
// gives the same bits.

#include <cstdint>

#include "matematic/extended.h"

namespace strs {

// ln(x); ln(+-0) = -inf, ln(x < 0) = NaN, ln(+inf) = +inf, NaN stays NaN.
Extended Ln(Extended x);

// e^x, subnormal results included; overflow gives +inf, an underflow beyond the
// subnormals 0; e^+inf = +inf, e^-inf = 0, NaN stays NaN.
Extended Exp(Extended x);

// How many calls, since the program started, needed more digits than the first attempt
// gives, for the benchmarks' figures.
struct ElementarySlowPaths {
    std::uint64_t ln = 0;
    std::uint64_t exp = 0;
};
ElementarySlowPaths ElementarySlowPathCounts();

}  // namespace strs
