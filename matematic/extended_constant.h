#pragma once
// The numerics' constants, from their decimal text straight to the extended number
// nearest to it (ties to even), at compile time: -0.0389513_ext. The conversion is exact
// integer arithmetic ending in the one RoundAndPack, so a constant never passes through
// the platform's long double, which is the x87 type on x86, binary128 elsewhere (a second
// rounding) or a plain double (11 bits lost). A text the conversion cannot take exactly
// (more than 19 digits, or a power of ten beyond 10^18 or below 10^-25) stops the build.

#include <cstdint>

#include "core/binary_format.h"
#include "matematic/extended.h"

namespace strs {
namespace constant_detail {

// Called where a constant's text is refused: not a constant expression, so the build stops.
inline void RefusedConstant() {}

// The decimal text digits[.digits][e[+-]digits], without a sign, as extended fields.
template <char... Text>
consteval FloatFields DecimalFields() {
    constexpr char kText[] = {Text..., '\0'};
    std::uint64_t digits = 0;
    int count = 0;
    int exponent = 0;
    bool point = false;
    const char* c = kText;
    for (; (*c >= '0' && *c <= '9') || *c == '.'; ++c) {
        if (*c == '.') {
            point = true;
            continue;
        }
        if (digits == 0 && *c == '0') {
            exponent -= point ? 1 : 0;
            continue;
        }
        if (++count > 19) {
            RefusedConstant();  // more digits than 64 bits hold exactly
        }
        digits = digits * 10 + static_cast<std::uint64_t>(*c - '0');
        exponent -= point ? 1 : 0;
    }
    if (*c == 'e' || *c == 'E') {
        ++c;
        const bool negative = *c == '-';
        c += (*c == '-' || *c == '+') ? 1 : 0;
        int written = 0;
        for (; *c >= '0' && *c <= '9'; ++c) {
            written = written * 10 + (*c - '0');
        }
        exponent += negative ? -written : written;
    }
    if (*c != '\0' || exponent > 18 || exponent < -25) {
        RefusedConstant();  // not a decimal text, or 10^exponent beyond 128 bits
    }
    if (digits == 0) {
        return {};
    }
    // value = r / p * 2^binary, r / p brought into [1, 2), then 128 bits of it by long division.
    Uint128 r = digits;
    Uint128 p = 1;
    for (; exponent > 0; --exponent) {
        r *= 10;
    }
    for (; exponent < 0; ++exponent) {
        p *= 10;
    }
    int binary = 0;
    for (; r < p; r <<= 1) {
        --binary;
    }
    for (; r >= 2 * p; p <<= 1) {
        ++binary;
    }
    Uint128 significand = 0;
    for (int bit = 0; bit < 128; ++bit) {
        const bool one = r >= p;
        significand = (significand << 1) | (one ? 1 : 0);
        r = (r - (one ? p : 0)) << 1;
    }
    return RoundAndPack<kExtendedFormat>(false, binary, significand, r != 0);
}

// The extended number of the fields, built at compile time.
consteval Extended FromConstantFields(const FloatFields& f) {
#if STRS_SOFTWARE_EXTENDED
    return Extended::FromFields(f);
#else
    // The x87 type: the mantissa, exact in it, scaled by powers of two, exact as well.
    Extended v = static_cast<Extended>(f.mantissa);
    for (int e = f.biasedExponent - kExtendedFormat.exponentBias - 63; e != 0; e += e > 0 ? -1 : 1) {
        v = e > 0 ? v * 2 : v / 2;
    }
    return f.negative ? -v : v;
#endif
}

}  // namespace constant_detail

template <char... Text>
consteval Extended operator""_ext() {
    return constant_detail::FromConstantFields(constant_detail::DecimalFields<Text...>());
}

}  // namespace strs
