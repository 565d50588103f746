#pragma once
// MPFR as the oracle of the correctly rounded logarithm and exponential: its results at
// 64-bit precision within the extended format's exponent range, subnormals included, are
// the extended numbers the workbench's Ln and Exp must return.

#include <mpfr.h>

#include "matematic/extended.h"
#include "support/argument_walks.h"

namespace strs::oracle {

inline Extended Reference(Function function, Extended x) {
    // The extended format as MPFR counts exponents (significands in [1/2, 1)).
    mpfr_set_emin(-16444);
    mpfr_set_emax(16384);
    mpfr_t argument;
    mpfr_t result;
    mpfr_init2(argument, 64);
    mpfr_init2(result, 64);
    mpfr_set_ld(argument, static_cast<long double>(x), MPFR_RNDN);
    int ternary = function == Function::kLn ? mpfr_log(result, argument, MPFR_RNDN)
                                            : mpfr_exp(result, argument, MPFR_RNDN);
    ternary = mpfr_subnormalize(result, ternary, MPFR_RNDN);
    const Extended y(mpfr_get_ld(result, MPFR_RNDN));
    mpfr_clear(argument);
    mpfr_clear(result);
    return y;
}

// Equal bit for bit as numbers, NaN matching NaN.
inline bool SameResult(Extended a, Extended b) {
    return (IsNaN(a) && IsNaN(b)) || BitsOf(a) == BitsOf(b);
}

}  // namespace strs::oracle
