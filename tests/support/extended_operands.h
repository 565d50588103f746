#pragma once
// Operands for comparing the software extended type with the x87, bit for bit: random
// numbers of every binade and the classes where rounding goes wrong most easily: ties
// (short mantissas, halves), near neighbours (cancellation), subnormals and the edges of
// the exponent range, zeros, infinities and NaNs of both kinds with payloads.

#include <cstdint>

#include "matematic/extended_bits.h"
#include "support/split_mix.h"

namespace strs::operands {

using Random = SplitMix64;

// The fields of an operand; `near` is the other operand, for the classes that relate them.
inline ExtendedBits Operand(Random& random, const ExtendedBits& near) {
    constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
    const bool negative = (random.next() & 1) != 0;
    const std::uint64_t bits = random.next();
    switch (random.below(13)) {
        case 0:  // any normal number
            return {negative, 1 + random.below(0x7FFE), bits | kTop};
        case 1:  // near 1, where the labs compute
            return {negative, kExtendedFormat.exponentBias - 8 + random.below(16), bits | kTop};
        case 2:  // a short mantissa: products and quotients that are exact or ties
            return {negative, kExtendedFormat.exponentBias - 40 + random.below(80), kTop | ((bits >> (random.below(64) | 1)) << 1)};
        case 3:  // a neighbour of the other operand: cancellation
            return {negative, near.biasedExponent == 0 ? 1 : near.biasedExponent,
                    (near.mantissa + (bits % 7) - 3) | kTop};
        case 4:  // the other operand shifted by up to 70 binades: alignment and sticky bits
            return {negative, std::max(1, std::min(0x7FFE, near.biasedExponent + random.below(141) - 70)),
                    (bits & 0xFFFF000000000000ull) | kTop};
        case 5:  // subnormal
            return {negative, 0, (bits >> 1) >> random.below(63)};
        case 6:  // near the bottom of the normal range
            return {negative, 1 + random.below(70), bits | kTop};
        case 7:  // near the top of the range
            return {negative, 0x7FFE - random.below(70), bits | kTop};
        case 8:  // zero
            return {negative, 0, 0};
        case 9:  // infinity
            return {negative, 0x7FFF, kTop};
        case 10:  // NaN, quiet or signalling, with a payload
            return {negative, 0x7FFF, kTop | ((bits & 1) != 0 ? bits : (bits >> 2) | 1)};
        case 11: {  // beside the limits of the integer types, 2^7 to 2^64, for the conversions
            constexpr int kWidths[] = {7, 8, 15, 16, 31, 32, 63, 64};
            const std::uint64_t top = random.below(2) == 0 ? ~std::uint64_t{0} : kTop;
            return {negative, kExtendedFormat.exponentBias + kWidths[random.below(8)] - random.below(2),
                    top ^ ((bits >> 1) >> random.below(64))};
        }
        default:  // a small integer or a half, for rounding to integers
            return {negative, kExtendedFormat.exponentBias + random.below(12), kTop | ((bits >> 1) & (~std::uint64_t{0} << (50 + random.below(14))))};
    }
}

}  // namespace strs::operands
