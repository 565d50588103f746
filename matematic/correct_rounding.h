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

// The extended fields of v * 2^scale for a positive v, subnormals and overflow to
// infinity included, as the x87 would store them at 64-bit precision: v's top 128 bits
// and whether any below them is set, rounded by the one RoundAndPack.
template <int N>
ExtendedBits RoundMagnitude(const Fixed<N>& v, int scale) {
    const int top = v.highestBit();
    const Uint128 significand = (static_cast<Uint128>(v.bitsFrom(top - 63)) << 64) | v.bitsFrom(top - 127);
    return RoundAndPack<kExtendedFormat>(false, top - Fixed<N>::kFractionBits + scale, significand,
                                         v.anyBelow(top - 127));
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
            bits = RoundMagnitude(magnitude, a.scale);
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
