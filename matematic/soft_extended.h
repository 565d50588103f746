#pragma once
// A software 80-bit extended number: a 64-bit mantissa with an explicit integer bit and a
// 15-bit exponent, with subnormals, infinities and NaNs, each operation rounded to
// nearest with ties to even exactly as the x87 rounds at 64-bit precision with every
// exception masked, NaN results included. It is the extended type on processors without
// an x87 unit; on x86 it can replace the hardware (STRS_SOFTWARE_EXTENDED) and is tested
// against it.

#include <bit>
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>

namespace strs {

class SoftExtended {
public:
    constexpr SoftExtended() = default;

    // Exact: every double and every 64-bit integer is an extended number.
    SoftExtended(double v);
    SoftExtended(float v) : SoftExtended(static_cast<double>(v)) {}
    template <std::integral T>
    constexpr SoftExtended(T v) {
        if constexpr (std::is_signed_v<T>) {
            fromInteger(v < 0, v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v));
        } else {
            fromInteger(false, static_cast<std::uint64_t>(v));
        }
    }
    // The platform's long double: exact where it is the x87 type, rounded to nearest
    // where it is wider (binary128), so that the literals of the code mean the same.
    constexpr SoftExtended(long double v) { fromLongDouble(v); }

    static constexpr SoftExtended FromFields(bool negative, int biasedExponent, std::uint64_t mantissa) {
        SoftExtended x;
        x.mantissa_ = mantissa;
        x.signAndExponent_ = static_cast<std::uint16_t>((negative ? 0x8000u : 0u) | static_cast<unsigned>(biasedExponent));
        return x;
    }
    constexpr bool negative() const { return (signAndExponent_ & 0x8000u) != 0; }
    constexpr int biasedExponent() const { return signAndExponent_ & 0x7FFF; }
    constexpr std::uint64_t mantissa() const { return mantissa_; }

    explicit operator double() const;     // rounded to nearest, as storing to a double
    explicit operator long double() const;
    template <std::integral T>
    explicit operator T() const {  // rounded toward zero, as a C++ cast
        const std::int64_t v = truncatedInteger();
        return static_cast<T>(v);
    }

    friend SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a, SoftExtended b);
    friend SoftExtended operator*(SoftExtended a, SoftExtended b);
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
    friend bool operator==(SoftExtended a, SoftExtended b) { return Compare(a, b) == std::partial_ordering::equivalent; }
    friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) { return Compare(a, b); }

private:
    constexpr void fromInteger(bool negative, std::uint64_t magnitude) {
        if (magnitude == 0) {
            *this = SoftExtended();  // +0: integers have no -0
            return;
        }
        const int shift = std::countl_zero(magnitude);
        *this = FromFields(negative, 16383 + 63 - shift, magnitude << shift);
    }
    constexpr void fromLongDouble(long double v);
    void fromLongDoubleAtRunTime(long double v);
    std::int64_t truncatedInteger() const;
    static std::partial_ordering Compare(SoftExtended a, SoftExtended b);

    std::uint64_t mantissa_ = 0;
    std::uint16_t signAndExponent_ = 0;
};

SoftExtended SoftSqrt(SoftExtended x);
// x rounded to an integer, ties to even.
SoftExtended SoftRoundHalfEven(SoftExtended x);

// Rounds a wider or equal long double to the 64-bit mantissa, to nearest, ties to even;
// at compile time by exact scaling, for the literals.
constexpr void SoftExtended::fromLongDouble(long double v) {
    if (!std::is_constant_evaluated()) {
        fromLongDoubleAtRunTime(v);
        return;
    }
    const bool negative = __builtin_signbit(v);
    long double a = negative ? -v : v;
    if (a == 0) {
        *this = FromFields(negative, 0, 0);
        return;
    }
    if (a != a || a > std::numeric_limits<long double>::max()) {
        *this = a != a ? FromFields(negative, 0x7FFF, 0xC000000000000000ull) : FromFields(negative, 0x7FFF, 1ull << 63);
        return;
    }
    int exponent = 0;  // a = m * 2^exponent, m in [1, 2)
    while (a >= 2) {
        a /= 2;
        ++exponent;
    }
    while (a < 1) {
        a *= 2;
        --exponent;
    }
    // The literals of the code are normal extended numbers; their mantissas at 2^63.
    const long double scaled = a * 9223372036854775808.0L;
    auto m = static_cast<std::uint64_t>(scaled);
    const long double rest = scaled - static_cast<long double>(m);
    if (rest > 0.5L || (rest == 0.5L && (m & 1) != 0)) {
        if (++m == 0) {
            m = 1ull << 63;
            ++exponent;
        }
    }
    *this = FromFields(negative, exponent + 16383, m);
}

}  // namespace strs

template <>
class std::numeric_limits<strs::SoftExtended> {
public:
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr int digits = 64;
    static constexpr strs::SoftExtended infinity() { return strs::SoftExtended::FromFields(false, 0x7FFF, 1ull << 63); }
    static constexpr strs::SoftExtended quiet_NaN() {
        return strs::SoftExtended::FromFields(false, 0x7FFF, 0xC000000000000000ull);
    }
    static constexpr strs::SoftExtended max() { return strs::SoftExtended::FromFields(false, 0x7FFE, ~0ull); }
    static constexpr strs::SoftExtended min() { return strs::SoftExtended::FromFields(false, 1, 1ull << 63); }
    static constexpr strs::SoftExtended denorm_min() { return strs::SoftExtended::FromFields(false, 0, 1); }
    static constexpr strs::SoftExtended lowest() { return -max(); }
};
