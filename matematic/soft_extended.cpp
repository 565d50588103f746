#include "matematic/soft_extended.h"

#include <cfloat>
#include <cstring>
#include <utility>

namespace strs {
namespace {

constexpr std::uint64_t kTopBit = kIntegerBit<kExtendedFormat>;
constexpr std::uint64_t kQuietBit = kTopBit >> 1;

// The x87's default NaN ("real indefinite"), the result of an invalid operation.
constexpr SoftExtended kIndefinite = SoftExtended::FromFields(true, kExtendedFormat.specialExponent, 0xC000000000000000ull);

bool IsNaN(SoftExtended x) { return strs::IsNaN<kExtendedFormat>(x.fields()); }
bool IsInf(SoftExtended x) { return strs::IsInf<kExtendedFormat>(x.fields()); }
bool IsZero(SoftExtended x) { return strs::IsZero<kExtendedFormat>(x.fields()); }

SoftExtended Infinity(bool negative) { return SoftExtended::FromFields(strs::Infinity<kExtendedFormat>(negative)); }
SoftExtended Zero(bool negative) { return SoftExtended::FromFields(negative, 0, 0); }
SoftExtended Quieted(SoftExtended x) {
    return SoftExtended::FromFields(x.negative(), kExtendedFormat.specialExponent, x.mantissa() | kQuietBit);
}
SoftExtended Packed(bool negative, int exponent, Uint128 significand, bool sticky) {
    return SoftExtended::FromFields(RoundAndPack<kExtendedFormat>(negative, exponent, significand, sticky));
}

// The NaN an operation with a NaN operand gives on the x87: a quiet operand before a
// signalling one, otherwise the one with the larger significand, quieted.
SoftExtended PropagatedNaN(SoftExtended a, SoftExtended b) {
    if (!IsNaN(b)) {
        return Quieted(a);
    }
    if (!IsNaN(a)) {
        return Quieted(b);
    }
    const bool aQuiet = (a.mantissa() & kQuietBit) != 0;
    const bool bQuiet = (b.mantissa() & kQuietBit) != 0;
    if (aQuiet != bQuiet) {
        return aQuiet ? a : b;
    }
    const std::uint64_t ma = a.mantissa() & ~kQuietBit;
    const std::uint64_t mb = b.mantissa() & ~kQuietBit;
    if (ma != mb) {
        return Quieted(ma > mb ? a : b);
    }
    return Quieted(a.negative() ? b : a);
}

// A finite non-zero number as m * 2^(exponent - 63), m with its top bit set.
struct Unpacked {
    bool negative;
    int exponent;
    std::uint64_t mantissa;
};

Unpacked Unpack(SoftExtended x) {
    std::uint64_t m = x.mantissa();
    int exponent = x.biasedExponent() - kExtendedFormat.exponentBias;
    if (x.biasedExponent() == 0) {  // subnormal
        const int shift = std::countl_zero(m);
        m <<= shift;
        exponent = 1 - kExtendedFormat.exponentBias - shift;
    }
    return {x.negative(), exponent, m};
}

// v >> n, with sticky set when a bit shifted out was 1.
Uint128 ShiftRightSticky(Uint128 v, int n, bool& sticky) {
    return n <= 0 ? v : binary_format_detail::ShiftRightSticky(v, n, sticky);
}

SoftExtended Add(SoftExtended a, SoftExtended b) {
    if (IsNaN(a) || IsNaN(b)) {
        return PropagatedNaN(a, b);
    }
    if (IsInf(a) || IsInf(b)) {
        if (IsInf(a) && IsInf(b) && a.negative() != b.negative()) {
            return kIndefinite;
        }
        return IsInf(a) ? a : b;
    }
    if (IsZero(a) || IsZero(b)) {
        if (IsZero(a) && IsZero(b)) {
            return Zero(a.negative() && b.negative());
        }
        return IsZero(a) ? b : a;
    }
    Unpacked x = Unpack(a);
    Unpacked y = Unpack(b);
    if (y.exponent > x.exponent || (y.exponent == x.exponent && y.mantissa > x.mantissa)) {
        std::swap(x, y);  // |x| >= |y|
    }
    bool sticky = false;
    const Uint128 large = static_cast<Uint128>(x.mantissa) << 64;
    const Uint128 small = ShiftRightSticky(static_cast<Uint128>(y.mantissa) << 64, x.exponent - y.exponent, sticky);
    int exponent = x.exponent;
    if (x.negative == y.negative) {
        Uint128 sum = large + small;
        if (sum < large) {  // carried out of 128 bits
            sticky = sticky || (sum & 1) != 0;
            sum = (sum >> 1) | (Uint128{1} << 127);
            ++exponent;
        }
        return Packed(x.negative, exponent, sum, sticky);
    }
    // The operand shifted far enough to lose bits lies a little above small: the
    // difference, a little below large - small, is taken one lower with the sticky bit.
    Uint128 difference = large - small - (sticky ? 1 : 0);
    if (difference == 0) {
        return Zero(false);
    }
    const int shift = LeadingZeros(difference);
    difference <<= shift;
    return Packed(x.negative, exponent - shift, difference, sticky);
}

SoftExtended Multiply(SoftExtended a, SoftExtended b) {
    const bool negative = a.negative() != b.negative();
    if (IsNaN(a) || IsNaN(b)) {
        return PropagatedNaN(a, b);
    }
    if (IsInf(a) || IsInf(b)) {
        return IsZero(a) || IsZero(b) ? kIndefinite : Infinity(negative);
    }
    if (IsZero(a) || IsZero(b)) {
        return Zero(negative);
    }
    const Unpacked x = Unpack(a);
    const Unpacked y = Unpack(b);
    Uint128 product = static_cast<Uint128>(x.mantissa) * y.mantissa;  // in [2^126, 2^128)
    int exponent = x.exponent + y.exponent + 1;
    if ((product >> 127) == 0) {
        product <<= 1;
        --exponent;
    }
    return Packed(negative, exponent, product, false);
}

// floor((high * 2^64 + low) / d) and the remainder, for d with its top bit set and
// high < d: the long division in two 32-bit digits of Hacker's Delight (divlu), by
// 64-bit divisions alone.
std::uint64_t DivideWide(std::uint64_t high, std::uint64_t low, std::uint64_t d, std::uint64_t& remainder) {
    constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
    const std::uint64_t d1 = d >> 32;
    const std::uint64_t d0 = d & (kBase - 1);
    const std::uint64_t low1 = low >> 32;
    const std::uint64_t low0 = low & (kBase - 1);
    // One 32-bit digit of the quotient of (top * 2^32 + next) by d, from an estimate by
    // d's upper half, which is at most two too high.
    const auto digit = [&](std::uint64_t top, std::uint64_t next) {
        std::uint64_t q = top / d1;
        std::uint64_t rest = top - q * d1;
        while (q >= kBase || q * d0 > rest * kBase + next) {
            --q;
            rest += d1;
            if (rest >= kBase) {
                break;
            }
        }
        return q;
    };
    const std::uint64_t q1 = digit(high, low1);
    const std::uint64_t middle = high * kBase + low1 - q1 * d;  // modulo 2^64, exactly the remainder
    const std::uint64_t q0 = digit(middle, low0);
    remainder = middle * kBase + low0 - q0 * d;
    return q1 * kBase + q0;
}

SoftExtended Divide(SoftExtended a, SoftExtended b) {
    const bool negative = a.negative() != b.negative();
    if (IsNaN(a) || IsNaN(b)) {
        return PropagatedNaN(a, b);
    }
    if (IsInf(a)) {
        return IsInf(b) ? kIndefinite : Infinity(negative);
    }
    if (IsInf(b)) {
        return Zero(negative);
    }
    if (IsZero(b)) {
        return IsZero(a) ? kIndefinite : Infinity(negative);
    }
    if (IsZero(a)) {
        return Zero(negative);
    }
    const Unpacked x = Unpack(a);
    const Unpacked y = Unpack(b);
    // q = floor(mx 2^k / my), k = 63 or 64 so that q has 64 bits; the remainder gives the
    // rounding bit and whether anything lies below it.
    const bool atLeast = x.mantissa >= y.mantissa;
    const int exponent = x.exponent - y.exponent - (atLeast ? 0 : 1);
    std::uint64_t remainder = 0;
    const std::uint64_t q = atLeast ? DivideWide(x.mantissa >> 1, x.mantissa << 63, y.mantissa, remainder)
                                    : DivideWide(x.mantissa, 0, y.mantissa, remainder);
    // remainder / my against one half, as the rounding bit with one sticky bit below it.
    const std::uint64_t otherPart = y.mantissa - remainder;
    const std::uint64_t below =
        remainder == 0 ? 0 : remainder > otherPart ? 0x8000000000000001ull : remainder == otherPart ? 0x8000000000000000ull : 1;
    return Packed(negative, exponent, (static_cast<Uint128>(q) << 64) | below, false);
}

// floor(sqrt(v)) for v in [2^126, 2^128): the double square root, which IEEE 754 fixes
// exactly, within 2^12 of it; one correction from the remainder v - s^2 by a double
// division, then the last unit from exact squares.
std::uint64_t IntegerSqrt(Uint128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    const auto low = static_cast<std::uint64_t>(v);
    const double root = __builtin_sqrt(static_cast<double>(high) * 0x1p64 + static_cast<double>(low));
    auto s = root >= 0x1p64 ? ~std::uint64_t{0} : static_cast<std::uint64_t>(root);
    // v - s^2, as a signed number below 2^80 in magnitude.
    const Uint128 square = static_cast<Uint128>(s) * s;
    const bool above = square > v;
    const Uint128 gap = above ? square - v : v - square;
    const double step = (static_cast<double>(static_cast<std::uint64_t>(gap >> 64)) * 0x1p64 +
                         static_cast<double>(static_cast<std::uint64_t>(gap))) /
                        (2 * static_cast<double>(s));
    const auto units = static_cast<std::uint64_t>(step);
    s = above ? s - units : (units > ~s ? ~std::uint64_t{0} : s + units);
    while (static_cast<Uint128>(s) * s > v) {
        --s;
    }
    while (s != ~std::uint64_t{0} && static_cast<Uint128>(s + 1) * (s + 1) <= v) {
        ++s;
    }
    return s;
}

}  // namespace

SoftExtended SoftExtended::Sum(SoftExtended a, SoftExtended b) { return Add(a, b); }
SoftExtended SoftExtended::Difference(SoftExtended a, SoftExtended b) {
    return IsNaN(a) || IsNaN(b) ? PropagatedNaN(a, b) : Add(a, -b);  // the NaN keeps its sign
}
SoftExtended SoftExtended::Product(SoftExtended a, SoftExtended b) { return Multiply(a, b); }
SoftExtended operator/(SoftExtended a, SoftExtended b) { return Divide(a, b); }

SoftExtended SoftSqrt(SoftExtended x) {
    if (IsNaN(x)) {
        return Quieted(x);
    }
    if (IsZero(x)) {
        return x;  // sqrt(-0) = -0
    }
    if (x.negative()) {
        return kIndefinite;
    }
    if (IsInf(x)) {
        return x;
    }
    const Unpacked u = Unpack(x);
    // x = n * 2^(2 (exponent - 63) ...) with n in [2^126, 2^128) and an even power of two.
    const bool odd = (u.exponent & 1) != 0;
    const Uint128 n = static_cast<Uint128>(u.mantissa) << (odd ? 64 : 63);
    const std::uint64_t s = IntegerSqrt(n);  // in [2^63, 2^64)
    const Uint128 remainder = n - static_cast<Uint128>(s) * s;
    // sqrt n >= s + 1/2 exactly when n - s^2 > s; it is never s + 1/2 itself.
    const Uint128 significand = (static_cast<Uint128>(s) << 64) | (remainder > s ? Uint128{1} << 63 : 0);
    const int exponent = odd ? (u.exponent - 1) / 2 : u.exponent / 2;
    return Packed(false, exponent, significand, remainder != 0);
}

SoftExtended SoftRoundHalfEven(SoftExtended x) {
    if (x.biasedExponent() == kExtendedFormat.specialExponent) {
        return IsNaN(x) ? Quieted(x) : x;
    }
    if (IsZero(x)) {
        return x;
    }
    const Unpacked u = Unpack(x);
    if (u.exponent >= 63) {
        return x;
    }
    if (u.exponent < -1 || (u.exponent == -1 && u.mantissa == kTopBit)) {
        return Zero(u.negative);  // |x| <= 1/2
    }
    if (u.exponent == -1) {
        return SoftExtended::FromFields(u.negative, kExtendedFormat.exponentBias, kTopBit);  // 1/2 < |x| < 1
    }
    const int fractionBits = 63 - u.exponent;
    const std::uint64_t unit = std::uint64_t{1} << fractionBits;
    const std::uint64_t fraction = u.mantissa & (unit - 1);
    std::uint64_t m = u.mantissa - fraction;
    int biased = u.exponent + kExtendedFormat.exponentBias;
    if (fraction > unit / 2 || (fraction == unit / 2 && (m & unit) != 0)) {
        m += unit;
        if (m == 0) {
            m = kTopBit;
            ++biased;
        }
    }
    return SoftExtended::FromFields(u.negative, biased, m);
}

void SoftExtended::fromOtherDouble(double v) {
    const FloatFields d = FieldsOf(v);
    if (d.biasedExponent == kDoubleFormat.specialExponent) {  // a NaN arrives quieted, as the x87 loads it
        const std::uint64_t fraction = FractionOf<kDoubleFormat>(d);
        *this = FromFields(d.negative, kExtendedFormat.specialExponent, fraction == 0 ? kTopBit : kTopBit | kQuietBit | (fraction << 11));
        return;
    }
    if (d.mantissa == 0) {
        *this = Zero(d.negative);
        return;
    }
    const int shift = std::countl_zero(d.mantissa);  // a subnormal double is a normal extended
    *this = FromFields(d.negative, 1 - kDoubleFormat.exponentBias + kExtendedFormat.exponentBias - (shift - 11), d.mantissa << shift);
}

double SoftExtended::otherToDouble() const {
    if (IsNaN(*this)) {
        // Quieted, with the payload's upper bits.
        return DoubleOf({negative(), kDoubleFormat.specialExponent,
                         kIntegerBit<kDoubleFormat> | (kIntegerBit<kDoubleFormat> >> 1) | (mantissa_ << 1) >> 12});
    }
    if (IsInf(*this) || IsZero(*this)) {
        return DoubleOf(IsZero(*this) ? FloatFields{negative(), 0, 0} : Infinity<kDoubleFormat>(negative()));
    }
    const Unpacked u = Unpack(*this);
    return DoubleOf(RoundAndPack<kDoubleFormat>(u.negative, u.exponent, static_cast<Uint128>(u.mantissa) << 64, false));
}

SoftExtended SoftExtended::FromLongDouble(long double v) {
#if LDBL_MANT_DIG == 64
    std::uint64_t mantissa;
    std::uint16_t signAndExponent;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&v) + sizeof mantissa, sizeof signAndExponent);
    return FromFields((signAndExponent & 0x8000u) != 0, signAndExponent & 0x7FFF, mantissa);
#elif LDBL_MANT_DIG == 113
    Uint128 bits;
    std::memcpy(&bits, &v, sizeof bits);
    const bool negative = (bits >> 127) != 0;
    const int exponent = static_cast<int>((bits >> 112) & 0x7FFF);
    const Uint128 fraction = bits & ((Uint128{1} << 112) - 1);
    if (exponent == 0x7FFF) {
        const auto high = static_cast<std::uint64_t>(fraction >> 49);
        return FromFields(negative, kExtendedFormat.specialExponent, fraction == 0 ? kTopBit : kTopBit | kQuietBit | high);
    }
    if (exponent == 0 && fraction == 0) {
        return Zero(negative);
    }
    // binary128 has the same exponent range: its value is (1.f or 0.f) * 2^(e - bias).
    const Uint128 significand = (exponent == 0 ? fraction : fraction | (Uint128{1} << 112)) << 15;
    const int shift = LeadingZeros(significand);
    return Packed(negative, (exponent == 0 ? 1 : exponent) - kExtendedFormat.exponentBias - shift, significand << shift, false);
#else
    return SoftExtended(static_cast<double>(v));  // never used: the constructor refuses such a long double
#endif
}

SoftExtended::operator long double() const {
#if LDBL_MANT_DIG == 64
    long double v = 0;
    std::memcpy(&v, &mantissa_, sizeof mantissa_);
    const auto signAndExponent = static_cast<std::uint16_t>(signAndExponent_);
    std::memcpy(reinterpret_cast<unsigned char*>(&v) + sizeof mantissa_, &signAndExponent, sizeof signAndExponent);
    return v;
#else
    // Exact where long double is wider: the mantissa and the power of two separately.
    if (IsNaN(*this) || IsInf(*this) || IsZero(*this)) {
        return static_cast<long double>(static_cast<double>(*this));
    }
    const Unpacked u = Unpack(*this);
    long double v = static_cast<long double>(u.mantissa);
    for (int e = u.exponent - 63; e != 0;) {
        const int step = e > 0 ? (e > 60 ? 60 : e) : (e < -60 ? -60 : e);
        const long double power = static_cast<long double>(std::uint64_t{1} << (step > 0 ? step : -step));
        v = step > 0 ? v * power : v / power;
        e -= step;
    }
    return u.negative ? -v : v;
#endif
}

std::int64_t SoftExtended::truncated(int bits) const {
    // The most negative number of the width (also every NaN's and infinity's), made without
    // negating it as a signed number, which overflows at 64 bits.
    const auto indefinite = static_cast<std::int64_t>(std::uint64_t{0} - (std::uint64_t{1} << (bits - 1)));
    if (biasedExponent() == kExtendedFormat.specialExponent) {
        return indefinite;
    }
    if (IsZero(*this)) {
        return 0;
    }
    const Unpacked u = Unpack(*this);
    if (u.exponent < 0) {
        return 0;
    }
    if (u.exponent >= bits) {
        return indefinite;
    }
    const std::uint64_t magnitude = u.mantissa >> (63 - u.exponent);
    // In range: below 2^(bits-1), or exactly that for a negative number.
    if (magnitude > (std::uint64_t{1} << (bits - 1)) - (u.negative ? 0 : 1)) {
        return indefinite;
    }
    return u.negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

std::uint64_t SoftExtended::truncatedUnsigned64() const {
    // As the compiler converts the x87 type: numbers from 2^63 on less 2^63, and the top bit back.
    constexpr SoftExtended kTop = FromFields(false, kExtendedFormat.exponentBias + 63, kTopBit);
    if (*this >= kTop) {
        return static_cast<std::uint64_t>((*this - kTop).truncated(64)) ^ kTopBit;
    }
    return static_cast<std::uint64_t>(truncated(64));
}

}  // namespace strs
