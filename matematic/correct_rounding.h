#pragma once
// Rounding an approximation of an elementary function's value to the extended format,
// to nearest with ties to even, or reporting that its error bound leaves the result open.
//
// The value is v * 2^scale, with v a fixed-point number of wide_fixed.h whose distance from
// the exact value is at most `error` units of its last fraction bit. Rounding is monotonic,
// so when v - error and v + error round to the same extended number, so does the exact
// value; otherwise the caller computes again with more digits.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>

#include "matematic/extended_bits.h"
#include "matematic/wide_fixed.h"

namespace strs::wide {

template <int N>
struct Approximation {
    Fixed<N> value;
    int scale = 0;
    std::uint64_t error = 0;
};

// The position in v of the lowest bit that the extended number keeps of v * 2^scale: 64
// bits in all, but none below the subnormals' last bit.
template <int N>
int KeptBit(const Fixed<N>& v, int scale) {
    return std::max(v.highestBit() - 63, Fixed<N>::kFractionBits - scale + kExtendedSubnormalScale);
}

// The extended fields of mantissa * 2^weight, mantissa + 1 if roundUp, the weight being
// that of the subnormals' last bit when the mantissa's top bit is clear.
inline ExtendedBits Compose(std::uint64_t mantissa, bool roundUp, int weight) {
    if (roundUp && ++mantissa == 0) {  // carried out of 64 bits
        mantissa = std::uint64_t{1} << 63;
        ++weight;
    }
    ExtendedBits bits;
    bits.mantissa = mantissa;
    if ((mantissa >> 63) == 0) {
        return bits;  // subnormal or zero
    }
    bits.biasedExponent = weight + 63 + kExtendedExponentBias;
    if (bits.biasedExponent >= kExtendedSpecialExponent) {
        bits.biasedExponent = kExtendedSpecialExponent;
        bits.mantissa = std::uint64_t{1} << 63;
    }
    return bits;
}

// The extended fields of v * 2^scale for a positive v, subnormals and overflow to
// infinity included, as the x87 would store them at 64-bit precision.
template <int N>
ExtendedBits RoundMagnitude(const Fixed<N>& v, int scale) {
    const int kept = KeptBit(v, scale);
    const std::uint64_t mantissa = v.bitsFrom(kept);
    const bool roundUp = v.bit(kept - 1) && (v.anyBelow(kept - 1) || (mantissa & 1) != 0);
    return Compose(mantissa, roundUp, kept - Fixed<N>::kFractionBits + scale);
}

// The correctly rounded value, or nothing when the error bound does not decide it.
template <int N>
std::optional<Extended> RoundCorrectly(const Approximation<N>& a) {
    const Fixed<N> magnitude = a.value.abs();
    ExtendedBits bits;
    // The usual case, at once: the dropped bits between the rounding bit and those the
    // error can reach (below 2^reach > error) are neither all 0 nor all 1, so v and the
    // exact value lie more than the error away from every rounding boundary, on the same
    // side of the middle. Only the 63 bits below the rounding bit are looked at.
    const int kept = KeptBit(magnitude, a.scale);
    const std::uint64_t dropped = magnitude.bitsFrom(kept - 64);  // the rounding bit on top
    const int lowest = std::max(0, static_cast<int>(std::bit_width(a.error)) - (kept - 64));
    if (lowest < 63) {
        const std::uint64_t field = (dropped & ~(std::uint64_t{1} << 63)) >> lowest;
        if (field != 0 && field != (std::uint64_t{1} << (63 - lowest)) - 1) {
            bits = Compose(magnitude.bitsFrom(kept), (dropped >> 63) != 0, kept - Fixed<N>::kFractionBits + a.scale);
            bits.negative = a.value.isNegative();
            return FromBits(bits);
        }
    }
    if (a.error == 0) {
        bits = RoundMagnitude(magnitude, a.scale);
    } else {
        const Fixed<N> low = magnitude.minusUnits(a.error);
        if (low.isNegative() || low.isZero()) {
            return std::nullopt;
        }
        bits = RoundMagnitude(low, a.scale);
        if (!(RoundMagnitude(magnitude.plusUnits(a.error), a.scale) == bits)) {
            return std::nullopt;
        }
    }
    bits.negative = a.value.isNegative();
    return FromBits(bits);
}

}  // namespace strs::wide
