#pragma once
// The fields of an extended number, as the 80-bit format stores them: the sign, the
// biased exponent (0 for zeros and subnormals, 0x7FFF for infinities and NaNs) and the
// 64-bit mantissa with its explicit integer bit. The elementary functions read their
// arguments and build their results through these fields alone, and so do the exact
// operations below.

#include <cstdint>
#include <cstring>

#include "core/binary_format.h"
#include "matematic/extended.h"

namespace strs {

using ExtendedBits = FloatFields;

// The weight of the lowest mantissa bit of a subnormal: 2^-16445.
inline constexpr int kExtendedSubnormalScale = 1 - kExtendedFormat.exponentBias - 63;

#if STRS_SOFTWARE_EXTENDED

inline ExtendedBits BitsOf(Extended x) { return x.fields(); }

inline Extended FromBits(const ExtendedBits& bits) { return Extended::FromFields(bits); }

#else

// On the x87 layout in memory, little-endian: 8 bytes of mantissa, then 2 of sign and
// exponent; the rest of the object is padding. Inline, so that only those 10 bytes are read.
inline ExtendedBits BitsOf(Extended x) {
    static_assert(sizeof(Extended) >= 10);
    std::uint64_t mantissa;
    std::uint16_t signAndExponent;
    std::memcpy(&mantissa, &x, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + sizeof mantissa, sizeof signAndExponent);
    return {(signAndExponent & 0x8000u) != 0, signAndExponent & 0x7FFF, mantissa};
}

inline Extended FromBits(const ExtendedBits& bits) {
    const auto signAndExponent =
        static_cast<std::uint16_t>((bits.negative ? 0x8000u : 0u) | static_cast<unsigned>(bits.biasedExponent));
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &bits.mantissa, sizeof bits.mantissa);
    std::memcpy(bytes + sizeof bits.mantissa, &signAndExponent, sizeof signAndExponent);
    Extended x;
    std::memcpy(&x, bytes, sizeof x);
    return x;
}

#endif

inline bool IsNaN(Extended x) { return IsNaN<kExtendedFormat>(BitsOf(x)); }

inline bool IsInf(Extended x) { return IsInf<kExtendedFormat>(BitsOf(x)); }

inline Extended Abs(Extended x) {
    ExtendedBits b = BitsOf(x);
    b.negative = false;
    return FromBits(b);
}

// x without its fraction, rounded toward zero: the mantissa bits below 1 cleared.
inline Extended Trunc(Extended x) {
    ExtendedBits b = BitsOf(x);
    const int exponent = b.biasedExponent - kExtendedFormat.exponentBias;
    if (b.biasedExponent == kExtendedFormat.specialExponent || exponent >= 63) {
        return x;
    }
    b.mantissa = exponent < 0 ? 0 : b.mantissa & ~((std::uint64_t{1} << (63 - exponent)) - 1);
    if (b.mantissa == 0) {
        b.biasedExponent = 0;
    }
    return FromBits(b);
}

// The integer at or below x and the one at or above it: Trunc, moved by one where it went
// the other way (exact: an integer moved must lie below 2^63).
inline Extended Floor(Extended x) {
    const Extended t = Trunc(x);
    return t > x ? t - 1 : t;
}

inline Extended Ceil(Extended x) {
    const Extended t = Trunc(x);
    return t < x ? t + 1 : t;
}

}  // namespace strs
