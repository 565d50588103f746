#pragma once
// A software 80-bit extended number: a 64-bit mantissa with an explicit integer bit and a
// 15-bit exponent, with subnormals, infinities and NaNs, each operation rounded to
// nearest with ties to even exactly as the x87 rounds at 64-bit precision with every
// exception masked, NaN results included. It is the extended type on processors without
// an x87 unit; on x86 it can replace the hardware (STRS_SOFTWARE_EXTENDED) and is tested
// against it.

#include <bit>  // and the compiler's __builtin_bit_cast: not every C++ library has std::bit_cast yet
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

namespace strs {

class SoftExtended {
public:
    constexpr SoftExtended() = default;

    // Exact: every double and every 64-bit integer is an extended number.
    SoftExtended(double v) {
        if (!fromNormalDouble(v)) {
            fromOtherDouble(v);
        }
    }
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
        x.signAndExponent_ = (negative ? 0x8000u : 0u) | static_cast<unsigned>(biasedExponent);
        return x;
    }
    constexpr bool negative() const { return (signAndExponent_ & 0x8000u) != 0; }
    constexpr int biasedExponent() const { return signAndExponent_ & 0x7FFF; }
    constexpr std::uint64_t mantissa() const { return mantissa_; }

    // Rounded to nearest, as storing to a double.
    explicit operator double() const {
        // The numbers that round to a normal double, inline: 11 bits dropped, ties to even.
        const int biased = biasedExponent();
        if (static_cast<unsigned>(biased - kLowestNormalDouble) <= kNormalDoubleSpan) {
            const std::uint64_t kept = mantissa_ >> 11;
            const std::uint64_t rest = mantissa_ & 0x7FF;
            const std::uint64_t rounded = kept + (rest + (kept & 1) > 0x400 ? 1 : 0);
            // The integer bit adds one to the exponent field, a carry out another (up to inf).
            const std::uint64_t bits = (negative() ? std::uint64_t{1} << 63 : 0) +
                                       (static_cast<std::uint64_t>(biased - kLowestNormalDouble) << 52) + rounded;
            return __builtin_bit_cast(double, bits);
        }
        return otherToDouble();
    }
    explicit operator long double() const;
    template <std::integral T>
    explicit operator T() const {  // rounded toward zero, as a C++ cast
        const std::int64_t v = truncatedInteger();
        return static_cast<T>(v);
    }

    // The usual case inline: normal operands and a normal result; the rest out of line.
    friend SoftExtended operator+(SoftExtended a, SoftExtended b) {
        SoftExtended r;
        return r.normalSum(a, b, b.negative()) ? r : Sum(a, b);
    }
    friend SoftExtended operator-(SoftExtended a, SoftExtended b) {
        SoftExtended r;
        return r.normalSum(a, b, !b.negative()) ? r : Difference(a, b);
    }
    friend SoftExtended operator*(SoftExtended a, SoftExtended b) {
        SoftExtended r;
        return r.normalProduct(a, b) ? r : Product(a, b);
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
    friend bool operator==(SoftExtended a, SoftExtended b) { return Compare(a, b) == std::partial_ordering::equivalent; }
    friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) { return Compare(a, b); }

private:
    __extension__ typedef unsigned __int128 Wide;
    static constexpr int kBias = 16383;
    static constexpr int kLowestNormalDouble = kBias - 1022;  // biased exponents rounding
    static constexpr unsigned kNormalDoubleSpan = 2045;         // to normal doubles

    static bool IsNormal(int biased) { return static_cast<unsigned>(biased - 1) < 0x7FFE; }

    bool fromNormalDouble(double v) {
        const auto bits = __builtin_bit_cast(std::uint64_t, v);
        const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
        if (static_cast<unsigned>(exponent - 1) >= 0x7FE) {
            return false;  // zero, subnormal, infinity or NaN
        }
        mantissa_ = (bits << 11) | (std::uint64_t{1} << 63);
        signAndExponent_ = ((bits >> 48) & 0x8000u) | static_cast<unsigned>(exponent + kBias - 1023);
        return true;
    }

    // Rounds significand * 2^(biased - kBias - 127), its top bit set, plus a little when
    // sticky; false when the result is not a normal number. Branch-free on the data: the
    // rounding goes either way half the time.
    bool setRounded(bool negative, int biased, Wide significand, bool sticky) {
        const auto mantissa = static_cast<std::uint64_t>(significand >> 64);
        const auto rest = static_cast<std::uint64_t>(significand);
        const std::uint64_t up = (rest >> 63) & (((rest << 1) != 0) | sticky | (mantissa & 1));
        const std::uint64_t rounded = mantissa + up;
        const std::uint64_t carry = up & (rounded == 0);  // 2^64: the next binade
        biased += static_cast<int>(carry);
        if (!IsNormal(biased)) {
            return false;
        }
        *this = FromFields(negative, biased, rounded | (carry << 63));
        return true;
    }

    bool normalProduct(SoftExtended a, SoftExtended b) {
        if (!IsNormal(a.biasedExponent()) || !IsNormal(b.biasedExponent())) {
            return false;
        }
        const Wide product = static_cast<Wide>(a.mantissa_) * b.mantissa_;  // in [2^126, 2^128)
        const auto low = static_cast<int>(1 - (product >> 127));            // 1 when below 2^127
        const int biased = a.biasedExponent() + b.biasedExponent() - kBias + 1 - low;
        return setRounded(a.negative() != b.negative(), biased, product << low, false);
    }

    // a + b, with b's sign taken as bNegative: both mantissas two places below the top of
    // a signed 128-bit sum, so that it cannot overflow, the smaller one, shifted by up to
    // 62 places, loses nothing, and the signs need no cases.
    bool normalSum(SoftExtended a, SoftExtended b, bool bNegative) {
        if (!IsNormal(a.biasedExponent()) || !IsNormal(b.biasedExponent())) {
            return false;
        }
        bool aNegative = a.negative();
        if (b.biasedExponent() > a.biasedExponent()) {
            std::swap(a, b);
            std::swap(aNegative, bNegative);
        }
        const int shift = a.biasedExponent() - b.biasedExponent();
        if (shift > 62) {
            return false;
        }
        const Wide aMask = aNegative ? ~Wide{0} : 0;
        const Wide bMask = bNegative ? ~Wide{0} : 0;
        const Wide large = ((static_cast<Wide>(a.mantissa_) << 62) ^ aMask) - aMask;
        const Wide small = (((static_cast<Wide>(b.mantissa_) << 62) >> shift) ^ bMask) - bMask;
        const Wide sum = large + small;
        const Wide sumMask = (sum >> 127) != 0 ? ~Wide{0} : 0;
        const Wide magnitude = (sum ^ sumMask) - sumMask;
        if (magnitude == 0) {
            *this = SoftExtended();  // x - x = +0
            return true;
        }
        const auto high = static_cast<std::uint64_t>(magnitude >> 64);
        const int leading =
            high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(magnitude));
        return setRounded(sumMask != 0, a.biasedExponent() + 2 - leading, magnitude << leading, false);
    }

    static SoftExtended Sum(SoftExtended a, SoftExtended b);
    static SoftExtended Difference(SoftExtended a, SoftExtended b);
    static SoftExtended Product(SoftExtended a, SoftExtended b);
    void fromOtherDouble(double v);
    double otherToDouble() const;

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
    // 16 bits used; a whole word, so that a number travels in two registers and is
    // stored and loaded as two words, which the processor forwards from store to load.
    std::uint64_t signAndExponent_ = 0;
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
    const bool negative = v < 0 || (v == 0 && __builtin_copysignl(1.0L, v) < 0);  // clang 14 cannot fold signbit
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
