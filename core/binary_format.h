#pragma once
// The two binary floating-point formats the program computes in, the double and the
// x87's 80-bit extended, as fields: the sign, the biased exponent (0 for zeros and
// subnormals, all ones for infinities and NaNs) and the significand with its integer bit
// written out, as the extended format stores it (for a double, bit 52). And the one
// rounding of an exact value to either format, to nearest with ties to even, subnormals
// and overflow to infinity included: the software extended type, the correctly rounded
// functions and the decimal conversions all end in it.

#include <bit>
#include <cstdint>

namespace strs {

// The compilers' 128-bit integers, where a product of two 64-bit numbers lands.
__extension__ typedef unsigned __int128 Uint128;
__extension__ typedef __int128 Int128;

struct BinaryFormat {
    int significandBits;  // the integer bit included
    int exponentBias;
    int specialExponent;  // the biased exponent of infinities and NaNs
};

inline constexpr BinaryFormat kDoubleFormat{53, 1023, 0x7FF};
inline constexpr BinaryFormat kExtendedFormat{64, 16383, 0x7FFF};

struct FloatFields {
    bool negative = false;
    int biasedExponent = 0;
    std::uint64_t mantissa = 0;  // the integer bit at significandBits - 1, set in normal numbers

    friend bool operator==(const FloatFields&, const FloatFields&) = default;
};

template <const BinaryFormat& F>
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << (F.significandBits - 1);

// The fraction bits: those below the integer bit.
template <const BinaryFormat& F>
constexpr std::uint64_t FractionOf(const FloatFields& x) {
    return x.mantissa & (kIntegerBit<F> - 1);
}

template <const BinaryFormat& F>
constexpr bool IsNaN(const FloatFields& x) {
    return x.biasedExponent == F.specialExponent && FractionOf<F>(x) != 0;
}

template <const BinaryFormat& F>
constexpr bool IsInf(const FloatFields& x) {
    return x.biasedExponent == F.specialExponent && FractionOf<F>(x) == 0;
}

template <const BinaryFormat& F>
constexpr bool IsZero(const FloatFields& x) {
    return x.biasedExponent == 0 && x.mantissa == 0;
}

template <const BinaryFormat& F>
constexpr FloatFields Infinity(bool negative) {
    return {negative, F.specialExponent, kIntegerBit<F>};
}

namespace binary_format_detail {

// v >> n for 0 < n, with sticky set when a bit shifted out was 1.
constexpr Uint128 ShiftRightSticky(Uint128 v, int n, bool& sticky) {
    if (n >= 128) {
        sticky = sticky || v != 0;
        return 0;
    }
    sticky = sticky || (v & ((Uint128{1} << n) - 1)) != 0;
    return v >> n;
}

}  // namespace binary_format_detail

// significand * 2^(exponent - 127), the significand's top bit (bit 127) set, plus a
// little more when sticky: rounded to the format, to nearest with ties to even. Numbers
// below the normal ones become subnormals (the one rounding at their own last place),
// those from 2^(bias + 1) on infinity.
template <const BinaryFormat& F>
constexpr FloatFields RoundAndPack(bool negative, int exponent, Uint128 significand, bool sticky) {
    constexpr int kDropped = 128 - F.significandBits;
    int biased = exponent + F.exponentBias;
    if (biased < 1) [[unlikely]] {  // the subnormals keep the bits down to the normals' lowest last place
        significand = binary_format_detail::ShiftRightSticky(significand, 1 - biased, sticky);
        biased = 0;
    }
    auto kept = static_cast<std::uint64_t>(significand >> kDropped);
    const Uint128 rest = significand & ((Uint128{1} << kDropped) - 1);
    const Uint128 half = Uint128{1} << (kDropped - 1);
    if (rest > half || (rest == half && (sticky || (kept & 1) != 0))) {
        ++kept;
        if (kept == kIntegerBit<F> << 1) {  // carried into the next binade
            kept = kIntegerBit<F>;
            ++biased;
        } else if (biased == 0 && kept == kIntegerBit<F>) {
            biased = 1;  // rounded up out of the subnormals
        }
    }
    if (biased >= F.specialExponent) [[unlikely]] {
        return Infinity<F>(negative);
    }
    return {negative, biased, kept};
}

// The leading zeros of a nonzero 128-bit number.
constexpr int LeadingZeros(Uint128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(v));
}

// A double's fields, and the double of fields in the double format (the compiler's
// bit_cast: not every C++ library has std::bit_cast yet).
constexpr FloatFields FieldsOf(double v) {
    const auto bits = __builtin_bit_cast(std::uint64_t, v);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & (kIntegerBit<kDoubleFormat> - 1);
    return {(bits >> 63) != 0, biased, biased == 0 ? fraction : fraction | kIntegerBit<kDoubleFormat>};
}

constexpr double DoubleOf(const FloatFields& x) {
    // The integer bit of a normal number adds one to the exponent field.
    const std::uint64_t magnitude =
        (static_cast<std::uint64_t>(x.biasedExponent == 0 ? 0 : x.biasedExponent - 1) << 52) + x.mantissa;
    return __builtin_bit_cast(double, (x.negative ? std::uint64_t{1} << 63 : 0) | magnitude);
}

}  // namespace strs
