#pragma once
// The arguments on which Ln and Exp are checked: walks over the ranges the labs use, every
// binade, and the consecutive numbers where the results are hardest to get right. Their
// results are compared with MPFR by the tests and the sweep, and hashed, the same on every
// system, by strs-elementary-digest, so that a cross-built program can be compared with
// the native one.

#include <cstdint>
#include <limits>
#include <vector>

#include "matematic/extended.h"
#include "matematic/extended_bits.h"
#include "support/split_mix.h"

namespace strs::oracle {

enum class Function { kLn, kExp };

// Where e^x leaves the finite numbers, the normal ones, and the subnormals: ln LDBL_MAX,
// ln LDBL_MIN and ln(LDBL_TRUE_MIN / 2), rounded (checked against MPFR by the tests).
inline const Extended kOverflowEdge = 0xb.17217f7d1cf79acp+10L;
inline const Extended kSubnormalEdge = -0xb.16c8c671210eb3p+10L;
inline const Extended kZeroEdge = -0xb.21dfe7f09e2baaap+10L;

// The extended number next to a finite x in the direction of target, from its fields.
inline Extended NextToward(Extended x, Extended target) {
    ExtendedBits b = BitsOf(x);
    if (x == target) {
        return x;
    }
    if (b.mantissa == 0 && b.biasedExponent == 0) {  // a zero: the smallest subnormal
        return FromBits({target < x, 0, 1});
    }
    if ((x < target) != b.negative) {  // away from zero
        if (++b.mantissa == 0) {
            b.mantissa = std::uint64_t{1} << 63;
            ++b.biasedExponent;
        } else if (b.biasedExponent == 0 && (b.mantissa >> 63) != 0) {
            b.biasedExponent = 1;  // out of the subnormals
        }
    } else {
        if (b.mantissa == std::uint64_t{1} << 63 && b.biasedExponent > 1) {
            b.mantissa = ~std::uint64_t{0};
            --b.biasedExponent;
        } else {
            --b.mantissa;
            if (b.biasedExponent == 1 && (b.mantissa >> 63) == 0) {
                b.biasedExponent = 0;  // into the subnormals
            }
        }
    }
    return FromBits(b);
}

// The arguments' stream: 64 random bits, or a number in [0, 1) with all of them.
class Stream : public SplitMix64 {
public:
    Extended unit() { return static_cast<Extended>(next()) * 0x1p-64L; }
};

// One walk over arguments: uniform in [lo, hi); a random mantissa in every binade with an
// exponent from lo to hi, positive or negative, so that tiny and huge arguments count as
// much as ordinary ones; or the consecutive extended numbers from lo toward hi.
struct Walk {
    enum class Kind { kUniform, kBinades, kNegativeBinades, kConsecutive };
    Function function;
    const char* name;
    Kind kind;
    Extended lo;
    Extended hi;

    Extended argument(Stream& stream, Extended& previous) const {
        switch (kind) {
            case Kind::kUniform:
                return lo + (hi - lo) * stream.unit();
            case Kind::kBinades:
            case Kind::kNegativeBinades: {
                // A mantissa with its top bit set and a normal exponent from lo to hi.
                const auto span = static_cast<std::uint64_t>(static_cast<int>(hi) - static_cast<int>(lo)) + 1;
                const int exponent = static_cast<int>(lo) + static_cast<int>(stream.next() % span);
                const std::uint64_t mantissa = stream.next() | (std::uint64_t{1} << 63);
                return FromBits({kind == Kind::kNegativeBinades, exponent + kExtendedFormat.exponentBias, mantissa});
            }
            case Kind::kConsecutive:
                previous = IsNaN(previous) ? lo : NextToward(previous, hi);
                return previous;
        }
        return lo;
    }
};

using Kind = Walk::Kind;
inline const std::vector<Walk>& Walks() {
    constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
    static const std::vector<Walk> walks = {
        {Function::kLn, "ln (0, 1)", Kind::kUniform, 0.0L, 1.0L},
        {Function::kLn, "ln (0, 10^4)", Kind::kUniform, 0.0L, 1e4L},
        {Function::kLn, "ln, every binade", Kind::kBinades, -16382.0L, 16383.0L},
        {Function::kLn, "ln of the subnormals", Kind::kUniform, 0.0L, 0x1p-16382L},
        {Function::kLn, "ln [1 - 2^-9, 1 + 2^-8]", Kind::kUniform, 1.0L - 0x1p-9L, 1.0L + 0x1p-8L},
        {Function::kLn, "ln below 1, consecutive", Kind::kConsecutive, 1.0L, 0.0L},
        {Function::kLn, "ln above 1, consecutive", Kind::kConsecutive, 1.0L, 2.0L},
        {Function::kExp, "exp [-12000, 12000]", Kind::kUniform, -12000.0L, 12000.0L},
        {Function::kExp, "exp [-1, 1]", Kind::kUniform, -1.0L, 1.0L},
        {Function::kExp, "exp, every binade up to 2^14", Kind::kBinades, -80.0L, 13.0L},
        {Function::kExp, "exp, every negative binade", Kind::kNegativeBinades, -80.0L, 13.0L},
        {Function::kExp, "exp near 0", Kind::kUniform, -0x1p-30L, 0x1p-30L},
        {Function::kExp, "exp below the overflow", Kind::kConsecutive, kOverflowEdge, 0.0L},
        {Function::kExp, "exp above the overflow", Kind::kConsecutive, kOverflowEdge, kInf},
        {Function::kExp, "exp at the subnormals, consecutive", Kind::kConsecutive, kSubnormalEdge, 0.0L},
        {Function::kExp, "exp at the subnormals", Kind::kUniform, kSubnormalEdge - 5.0L, kSubnormalEdge + 5.0L},
        {Function::kExp, "exp at the underflow, consecutive", Kind::kConsecutive, kZeroEdge, 0.0L},
        {Function::kExp, "exp at the underflow", Kind::kUniform, kZeroEdge - 1.0L, kZeroEdge + 1.0L},
    };
    return walks;
}

}  // namespace strs::oracle
