#pragma once
// MPFR as the oracle of the correctly rounded logarithm and exponential: its results at
// 64-bit precision within the extended format's exponent range, subnormals included, are
// the extended numbers the workbench's Ln and Exp must return. Also the argument walks
// that the tests sample and the sweep in bench/ runs in full.

#include <mpfr.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

#include "matematic/extended.h"

namespace strs::oracle {

enum class Function { kLn, kExp };

inline Extended Reference(Function function, Extended x) {
    // The extended format as MPFR counts exponents (significands in [1/2, 1)).
    mpfr_set_emin(-16444);
    mpfr_set_emax(16384);
    mpfr_t argument;
    mpfr_t result;
    mpfr_init2(argument, 64);
    mpfr_init2(result, 64);
    mpfr_set_ld(argument, x, MPFR_RNDN);
    int ternary = function == Function::kLn ? mpfr_log(result, argument, MPFR_RNDN)
                                            : mpfr_exp(result, argument, MPFR_RNDN);
    ternary = mpfr_subnormalize(result, ternary, MPFR_RNDN);
    const Extended y = mpfr_get_ld(result, MPFR_RNDN);
    mpfr_clear(argument);
    mpfr_clear(result);
    return y;
}

// Equal bit for bit as numbers, NaN matching NaN.
inline bool SameResult(Extended a, Extended b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// splitmix64: a fixed stream of arguments, the same on every system.
class Stream {
public:
    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    Extended unit() { return static_cast<Extended>(next()) * 0x1p-64L; }  // [0, 1), 64 bits

private:
    std::uint64_t state_ = 1;
};

// One walk over arguments: uniform in [lo, hi); a random mantissa in every binade with an
// exponent from lo to hi, so that tiny and huge arguments count as much as ordinary ones;
// or the consecutive extended numbers from lo toward hi.
struct Walk {
    enum class Kind { kUniform, kBinades, kConsecutive };
    Function function;
    const char* name;
    Kind kind;
    Extended lo;
    Extended hi;

    Extended argument(Stream& stream, Extended& previous) const {
        switch (kind) {
            case Kind::kUniform:
                return lo + (hi - lo) * stream.unit();
            case Kind::kBinades: {
                const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
                const int exponent = static_cast<int>(lo) + static_cast<int>(stream.next() % span);
                const Extended mantissa = 1.0L + stream.unit();
                return std::ldexp(mantissa, exponent);
            }
            case Kind::kConsecutive:
                previous = std::isnan(previous) ? lo : std::nextafter(previous, hi);
                return previous;
        }
        return lo;
    }
};

using Kind = Walk::Kind;
inline const std::vector<Walk>& Walks() {
    constexpr Extended kInf = INFINITY;
    // Where e^x leaves the finite numbers, the normal ones, and the subnormals.
    const Extended overflow = Reference(Function::kLn, LDBL_MAX);
    const Extended subnormal = Reference(Function::kLn, LDBL_MIN);
    const Extended zero = Reference(Function::kLn, LDBL_TRUE_MIN) - Reference(Function::kLn, 2.0L);
    static const std::vector<Walk> walks = {
        {Function::kLn, "ln (0, 1)", Kind::kUniform, 0.0L, 1.0L},
        {Function::kLn, "ln (0, 10^4)", Kind::kUniform, 0.0L, 1e4L},
        {Function::kLn, "ln, every binade", Kind::kBinades, -16445.0L, 16383.0L},
        {Function::kLn, "ln [1 - 2^-9, 1 + 2^-8]", Kind::kUniform, 1.0L - 0x1p-9L, 1.0L + 0x1p-8L},
        {Function::kLn, "ln below 1, consecutive", Kind::kConsecutive, 1.0L, 0.0L},
        {Function::kLn, "ln above 1, consecutive", Kind::kConsecutive, 1.0L, 2.0L},
        {Function::kExp, "exp [-12000, 12000]", Kind::kUniform, -12000.0L, 12000.0L},
        {Function::kExp, "exp [-1, 1]", Kind::kUniform, -1.0L, 1.0L},
        {Function::kExp, "exp, every binade up to 2^14", Kind::kBinades, -80.0L, 13.0L},
        {Function::kExp, "exp from 2^-70, consecutive", Kind::kConsecutive, 0x1p-70L, 1.0L},
        {Function::kExp, "exp from -2^-70, consecutive", Kind::kConsecutive, -0x1p-70L, -1.0L},
        {Function::kExp, "exp below the overflow", Kind::kConsecutive, overflow, 0.0L},
        {Function::kExp, "exp above the overflow", Kind::kConsecutive, overflow, kInf},
        {Function::kExp, "exp at the subnormals, consecutive", Kind::kConsecutive, subnormal, 0.0L},
        {Function::kExp, "exp at the subnormals", Kind::kUniform, subnormal - 5.0L, subnormal + 5.0L},
        {Function::kExp, "exp at the underflow, consecutive", Kind::kConsecutive, zero, 0.0L},
        {Function::kExp, "exp at the underflow", Kind::kUniform, zero - 1.0L, zero + 1.0L},
    };
    return walks;
}

}  // namespace strs::oracle
