#pragma once
// A software 80-bit extended number: a 64-bit mantissa with an explicit integer bit and a
// 15-bit exponent, with subnormals, infinities and NaNs, each operation rounded to
// nearest with ties to even exactly as the x87 rounds at 64-bit precision with every
// exception masked, NaN results included. It is the extended type on processors without
// an x87 unit; on x86 it can replace the hardware (STRS_SOFTWARE_EXTENDED) and is tested
// against it. Its usual case is soft_unpacked.h's, inline; its limits are in
// soft_extended_limits.h.

#include <compare>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/binary_format.h"
#include "matematic/soft_unpacked.h"

namespace strs {

class SoftExtended {
public:
    constexpr SoftExtended() = default;

    // Exact: every double and every 64-bit integer is an extended number.
    SoftExtended(double v) {
        const FloatFields d = FieldsOf(v);
        if (static_cast<unsigned>(d.biasedExponent - 1) < 0x7FEu) [[likely]] {  // normal
            *this = FromFields(d.negative, d.biasedExponent - kDoubleFormat.exponentBias + kExtendedFormat.exponentBias, d.mantissa << 11);
        } else {
            fromOtherDouble(v);
        }
    }
    SoftExtended(float v) : SoftExtended(static_cast<double>(v)) {}
    // (Written without concepts: Qt's moc reads this header and knows none.)
    template <class T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
    constexpr SoftExtended(T v) {
        if constexpr (std::is_signed_v<T>) {
            fromInteger(v < 0, v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v));
        } else {
            fromInteger(false, static_cast<std::uint64_t>(v));
        }
    }
    // The platform's long double, where it holds every extended number: the x87 type
    // itself, or binary128 (rounded to nearest). Where it is a plain double the conversion
    // would lose bits, and a build that uses it fails. The numerics' constants never come
    // this way (extended_constant.h); the tests' values do.
    template <class T, std::enable_if_t<std::is_same_v<T, long double>, int> = 0>
    SoftExtended(T v) {
        static_assert(std::numeric_limits<long double>::digits >= 64, "long double would lose bits of an extended number");
        *this = FromLongDouble(v);
    }

    static constexpr SoftExtended FromFields(bool negative, int biasedExponent, std::uint64_t mantissa) {
        SoftExtended x;
        x.mantissa_ = mantissa;
        x.signAndExponent_ = (negative ? 0x8000u : 0u) | static_cast<unsigned>(biasedExponent);
        return x;
    }
    static constexpr SoftExtended FromFields(const FloatFields& f) { return FromFields(f.negative, f.biasedExponent, f.mantissa); }
    constexpr FloatFields fields() const { return {negative(), biasedExponent(), mantissa_}; }
    constexpr bool negative() const { return (signAndExponent_ & 0x8000u) != 0; }
    constexpr int biasedExponent() const { return signAndExponent_ & 0x7FFF; }
    constexpr std::uint64_t mantissa() const { return mantissa_; }

    // Rounded to nearest, as storing to a double.
    explicit operator double() const {
        if (soft::IsNormal(fields())) [[likely]] {
            return DoubleOf(RoundAndPack<kDoubleFormat>(negative(), biasedExponent() - kExtendedFormat.exponentBias,
                                                          static_cast<Uint128>(mantissa_) << 64, false));
        }
        return otherToDouble();
    }
    explicit operator long double() const;
    // Every number but a zero is true, NaNs included, as for a floating-point type.
    explicit constexpr operator bool() const { return biasedExponent() != 0 || mantissa_ != 0; }
    // Rounded toward zero, as a C++ cast; out of range (and NaN) the x87's integer
    // indefinite, as the compiler's conversions of the x87 type give it: the most negative
    // number of the width the x87 stores, cut to the type. That width is 32 bits for int,
    // 64 for the unsigned int and the 64-bit types; for the narrower types the compiler
    // stores 16 or 32 bits as it sees fit, and these take 32.
    template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    explicit operator T() const {
        if constexpr (sizeof(T) == sizeof(std::uint64_t) && std::is_unsigned_v<T>) {
            return static_cast<T>(truncatedUnsigned64());
        } else {
            const bool wide = sizeof(T) == sizeof(std::uint64_t) || (sizeof(T) == 4 && std::is_unsigned_v<T>);
            return static_cast<T>(truncated(wide ? 64 : 32));
        }
    }

    // The usual case inline: normal operands; the rest out of line.
    friend SoftExtended operator+(SoftExtended a, SoftExtended b) {
        FloatFields sum;
        if (soft::IsNormal(a.fields()) && soft::IsNormal(b.fields()) &&
            soft::NormalSum(a.fields(), b.fields(), b.negative(), sum)) [[likely]] {
            return FromFields(sum);
        }
        return Sum(a, b);
    }
    friend SoftExtended operator-(SoftExtended a, SoftExtended b) {
        FloatFields sum;
        if (soft::IsNormal(a.fields()) && soft::IsNormal(b.fields()) &&
            soft::NormalSum(a.fields(), b.fields(), !b.negative(), sum)) [[likely]] {
            return FromFields(sum);
        }
        return Difference(a, b);
    }
    friend SoftExtended operator*(SoftExtended a, SoftExtended b) {
        if (soft::IsNormal(a.fields()) && soft::IsNormal(b.fields())) [[likely]] {
            return FromFields(soft::NormalProduct(a.fields(), b.fields()));
        }
        return Product(a, b);
    }
    friend SoftExtended operator/(SoftExtended a, SoftExtended b);
    friend constexpr SoftExtended operator-(SoftExtended a) {
        a.signAndExponent_ ^= 0x8000u;
        return a;
    }
    friend constexpr SoftExtended operator+(SoftExtended a) { return a; }
    SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
    SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
    SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
    SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }

    // IEEE comparisons: a NaN is unordered, +0 equals -0.
    friend constexpr bool operator==(SoftExtended a, SoftExtended b) {
        return Compare(a, b) == std::partial_ordering::equivalent;
    }
    friend constexpr std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) { return Compare(a, b); }

private:
    static constexpr std::partial_ordering Compare(SoftExtended a, SoftExtended b) {
        if (IsNaN<kExtendedFormat>(a.fields()) || IsNaN<kExtendedFormat>(b.fields())) {
            return std::partial_ordering::unordered;
        }
        if (!a && !b) {
            return std::partial_ordering::equivalent;
        }
        if (a.negative() != b.negative()) {
            return a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
        }
        // Same sign: the fields order the magnitudes.
        const auto key = [](SoftExtended x) { return (static_cast<Uint128>(x.biasedExponent()) << 64) | x.mantissa_; };
        if (key(a) == key(b)) {
            return std::partial_ordering::equivalent;
        }
        return (key(a) < key(b)) != a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
    }

    static SoftExtended Sum(SoftExtended a, SoftExtended b);
    static SoftExtended Difference(SoftExtended a, SoftExtended b);
    static SoftExtended Product(SoftExtended a, SoftExtended b);
    static SoftExtended FromLongDouble(long double v);
    void fromOtherDouble(double v);
    double otherToDouble() const;
    // Rounded toward zero to a signed integer of `bits` bits, or the indefinite 2^(bits-1).
    std::int64_t truncated(int bits) const;
    std::uint64_t truncatedUnsigned64() const;

    constexpr void fromInteger(bool negative, std::uint64_t magnitude) {
        if (magnitude == 0) {
            *this = SoftExtended();  // +0: integers have no -0
            return;
        }
        const int shift = std::countl_zero(magnitude);
        *this = FromFields(negative, kExtendedFormat.exponentBias + 63 - shift, magnitude << shift);
    }

    std::uint64_t mantissa_ = 0;
    // 16 bits used; a whole word, so that a number travels in two registers and is
    // stored and loaded as two words, which the processor forwards from store to load.
    std::uint64_t signAndExponent_ = 0;
};

SoftExtended SoftSqrt(SoftExtended x);
// x rounded to an integer, ties to even.
SoftExtended SoftRoundHalfEven(SoftExtended x);

}  // namespace strs
