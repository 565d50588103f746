#pragma once
// The software extended type's usual case, inline: products and sums of normal numbers,
// worked on the unpacked fields (sign, exponent, 64-bit mantissa) and rounded by the one
// RoundAndPack of core/binary_format.h. The rest (zeros, subnormals, infinities, NaNs,
// addends far apart) is soft_extended.cpp's.

#include <bit>
#include <cstdint>
#include <utility>

#include "core/binary_format.h"

namespace strs::soft {

constexpr bool IsNormal(const FloatFields& x) {
    return static_cast<unsigned>(x.biasedExponent - 1) < static_cast<unsigned>(kExtendedFormat.specialExponent - 1);
}

// a * b for normal a and b.
inline FloatFields NormalProduct(const FloatFields& a, const FloatFields& b) {
    const Uint128 product = static_cast<Uint128>(a.mantissa) * b.mantissa;  // in [2^126, 2^128)
    const int low = static_cast<int>(1 - (product >> 127));                  // 1 when below 2^127
    const int exponent = a.biasedExponent + b.biasedExponent - 2 * kExtendedFormat.exponentBias + 1 - low;
    return RoundAndPack<kExtendedFormat>(a.negative != b.negative, exponent, product << low, false);
}

// a + b for normal a and b whose exponents differ by at most 62, b's sign taken as
// bNegative; false where they differ by more. Both mantissas go two places below the top
// of a signed 128-bit sum, so that it cannot overflow, the smaller one, shifted by up to
// 62 places, loses nothing, and the signs need no cases.
inline bool NormalSum(FloatFields a, FloatFields b, bool bNegative, FloatFields& sum) {
    bool aNegative = a.negative;
    if (b.biasedExponent > a.biasedExponent) {
        std::swap(a, b);
        std::swap(aNegative, bNegative);
    }
    const int shift = a.biasedExponent - b.biasedExponent;
    if (shift > 62) {
        return false;
    }
    const Uint128 aMask = aNegative ? ~Uint128{0} : 0;
    const Uint128 bMask = bNegative ? ~Uint128{0} : 0;
    const Uint128 large = ((static_cast<Uint128>(a.mantissa) << 62) ^ aMask) - aMask;
    const Uint128 small = (((static_cast<Uint128>(b.mantissa) << 62) >> shift) ^ bMask) - bMask;
    const Uint128 total = large + small;
    const Uint128 totalMask = (total >> 127) != 0 ? ~Uint128{0} : 0;
    const Uint128 magnitude = (total ^ totalMask) - totalMask;
    if (magnitude == 0) {
        sum = {};  // x - x = +0
        return true;
    }
    const int leading = LeadingZeros(magnitude);
    sum = RoundAndPack<kExtendedFormat>(totalMask != 0, a.biasedExponent - kExtendedFormat.exponentBias + 2 - leading, magnitude << leading,
                                        false);
    return true;
}

}  // namespace strs::soft
