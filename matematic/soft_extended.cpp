#include "matematic/soft_extended.h"

#include <cfloat>
#include <cstring>
#include <utility>

namespace strs {
namespace {

__extension__ typedef unsigned __int128 Uint128;

constexpr int kBias = 16383;
constexpr int kSpecial = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

// The x87's default NaN ("real indefinite"), the result of an invalid operation.
constexpr SoftExtended kIndefinite = SoftExtended::FromFields(true, kSpecial, 0xC000000000000000ull);

bool IsNaN(SoftExtended x) { return x.biasedExponent() == kSpecial && (x.mantissa() << 1) != 0; }
bool IsInf(SoftExtended x) { return x.biasedExponent() == kSpecial && (x.mantissa() << 1) == 0; }
bool IsZero(SoftExtended x) { return x.biasedExponent() == 0 && x.mantissa() == 0; }

SoftExtended Infinity(bool negative) { return SoftExtended::FromFields(negative, kSpecial, kIntegerBit); }
SoftExtended Zero(bool negative) { return SoftExtended::FromFields(negative, 0, 0); }
SoftExtended Quieted(SoftExtended x) {
    return SoftExtended::FromFields(x.negative(), kSpecial, x.mantissa() | kQuietBit);
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
    int exponent = x.biasedExponent() - kBias;
    if (x.biasedExponent() == 0) {  // subnormal
        const int shift = std::countl_zero(m);
        m <<= shift;
        exponent = 1 - kBias - shift;
    }
    return {x.negative(), exponent, m};
}

int LeadingZeros(Uint128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(v));
}

// v >> n, with sticky set when a bit shifted out was 1.
Uint128 ShiftRightSticky(Uint128 v, int n, bool& sticky) {
    if (n <= 0) {
        return v;
    }
    if (n >= 128) {
        sticky = sticky || v != 0;
        return 0;
    }
    sticky = sticky || (v & ((Uint128{1} << n) - 1)) != 0;
    return v >> n;
}

// significand * 2^(exponent - 127), its top bit set, plus a little more when sticky,
// rounded to 64 bits and packed: subnormals below 2^-16382, infinity from 2^16384 on.
SoftExtended RoundAndPack(bool negative, int exponent, Uint128 significand, bool sticky) {
    int biased = exponent + kBias;
    if (biased >= kSpecial) {
        return Infinity(negative);
    }
    if (biased < 1) {  // the subnormals keep the bits from 2^-16445 up
        significand = ShiftRightSticky(significand, 1 - biased, sticky);
        biased = 0;
    }
    auto mantissa = static_cast<std::uint64_t>(significand >> 64);
    const auto rest = static_cast<std::uint64_t>(significand);
    const bool roundBit = (rest >> 63) != 0;
    const bool below = (rest << 1) != 0 || sticky;
    if (roundBit && (below || (mantissa & 1) != 0)) {
        if (++mantissa == 0) {
            mantissa = kIntegerBit;
            if (++biased >= kSpecial) {
                return Infinity(negative);
            }
        }
    }
    if (biased == 0 && (mantissa & kIntegerBit) != 0) {
        biased = 1;  // rounded up out of the subnormals
    }
    return SoftExtended::FromFields(negative, biased, mantissa);
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
        return RoundAndPack(x.negative, exponent, sum, sticky);
    }
    // The operand shifted far enough to lose bits lies a little above small: the
    // difference, a little below large - small, is taken one lower with the sticky bit.
    Uint128 difference = large - small - (sticky ? 1 : 0);
    if (difference == 0) {
        return Zero(false);
    }
    const int shift = LeadingZeros(difference);
    difference <<= shift;
    return RoundAndPack(x.negative, exponent - shift, difference, sticky);
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
    return RoundAndPack(negative, exponent, product, false);
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
    // q = floor(mx 2^k / my) with 128 bits, k = 127 or 128, by long division in 64-bit
    // steps: mx 2^k spans three 64-bit digits, of which the top one is below my.
    const bool atLeast = x.mantissa >= y.mantissa;
    int exponent = x.exponent - y.exponent - (atLeast ? 0 : 1);
    std::uint64_t remainder = atLeast ? x.mantissa >> 1 : x.mantissa;
    const std::uint64_t digits[2] = {atLeast ? (x.mantissa & 1) << 63 : 0, 0};
    std::uint64_t quotient[2];
    for (int i = 0; i < 2; ++i) {
        const Uint128 current = (static_cast<Uint128>(remainder) << 64) | digits[i];
        quotient[i] = static_cast<std::uint64_t>(current / y.mantissa);
        remainder = static_cast<std::uint64_t>(current % y.mantissa);
    }
    const Uint128 q = (static_cast<Uint128>(quotient[0]) << 64) | quotient[1];
    return RoundAndPack(negative, exponent, q, remainder != 0);
}

// The integer square root of v, rounded down.
std::uint64_t IntegerSqrt(Uint128 v) {
    // A start within a few units from the double square root, which IEEE 754 fixes
    // exactly, then Newton's steps and a final correction, all below 2^64.
    constexpr Uint128 kLargest = ~std::uint64_t{0};
    Uint128 s = static_cast<Uint128>(__builtin_sqrt(static_cast<double>(v)));
    for (int i = 0; i < 2; ++i) {
        s = s > kLargest ? kLargest : s;
        s = (s + v / s) / 2;
    }
    s = s > kLargest ? kLargest : s;
    while (s * s > v) {
        --s;
    }
    while (s < kLargest && (s + 1) * (s + 1) <= v) {
        ++s;
    }
    return static_cast<std::uint64_t>(s);
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
    return RoundAndPack(false, exponent, significand, remainder != 0);
}

SoftExtended SoftRoundHalfEven(SoftExtended x) {
    if (x.biasedExponent() == kSpecial) {
        return IsNaN(x) ? Quieted(x) : x;
    }
    if (IsZero(x)) {
        return x;
    }
    const Unpacked u = Unpack(x);
    if (u.exponent >= 63) {
        return x;
    }
    if (u.exponent < -1 || (u.exponent == -1 && u.mantissa == kIntegerBit)) {
        return Zero(u.negative);  // |x| <= 1/2
    }
    if (u.exponent == -1) {
        return SoftExtended::FromFields(u.negative, kBias, kIntegerBit);  // 1/2 < |x| < 1
    }
    const int fractionBits = 63 - u.exponent;
    const std::uint64_t unit = std::uint64_t{1} << fractionBits;
    const std::uint64_t fraction = u.mantissa & (unit - 1);
    std::uint64_t m = u.mantissa - fraction;
    int biased = u.exponent + kBias;
    if (fraction > unit / 2 || (fraction == unit / 2 && (m & unit) != 0)) {
        m += unit;
        if (m == 0) {
            m = kIntegerBit;
            ++biased;
        }
    }
    return SoftExtended::FromFields(u.negative, biased, m);
}

void SoftExtended::fromOtherDouble(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (exponent == 0x7FF) {  // a NaN arrives quieted, as the x87 loads it
        *this = FromFields(negative, kSpecial, fraction == 0 ? kIntegerBit : kIntegerBit | kQuietBit | (fraction << 11));
        return;
    }
    if (exponent == 0) {
        if (fraction == 0) {
            *this = Zero(negative);
            return;
        }
        const int shift = std::countl_zero(fraction);  // a subnormal double is a normal extended
        *this = FromFields(negative, 1 - 1023 + kBias - (shift - 11), fraction << shift);
        return;
    }
    *this = FromFields(negative, exponent - 1023 + kBias, kIntegerBit | (fraction << 11));
}

double SoftExtended::otherToDouble() const {
    std::uint64_t bits = negative() ? std::uint64_t{1} << 63 : 0;
    if (IsNaN(*this)) {
        bits |= (std::uint64_t{0x7FF} << 52) | (std::uint64_t{1} << 51) | ((mantissa_ << 1) >> 12);
    } else if (IsInf(*this)) {
        bits |= std::uint64_t{0x7FF} << 52;
    } else if (!IsZero(*this)) {
        const Unpacked u = Unpack(*this);
        // 53 bits kept, fewer for the subnormal doubles below 2^-1022 (lowest bit 2^-1074).
        const int biased = u.exponent + 1023;
        if (biased > 0x7FE) {
            bits |= std::uint64_t{0x7FF} << 52;
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        const int dropped = biased >= 1 ? 11 : 12 - biased;
        bool sticky = false;
        const Uint128 shifted = ShiftRightSticky(static_cast<Uint128>(u.mantissa) << 64, dropped, sticky);
        std::uint64_t kept = static_cast<std::uint64_t>(shifted >> 64);
        const auto rest = static_cast<std::uint64_t>(shifted);
        if ((rest >> 63) != 0 && ((rest << 1) != 0 || sticky || (kept & 1) != 0)) {
            ++kept;
        }
        // A normal result's integer bit adds one to the exponent field, and so does a
        // carry out of the mantissa: 2^53, or 2^52 from the subnormals.
        const std::uint64_t field = biased >= 1 ? static_cast<std::uint64_t>(biased - 1) : 0;
        const std::uint64_t magnitude = (field << 52) + kept;
        bits |= (magnitude >> 52) >= 0x7FF ? std::uint64_t{0x7FF} << 52 : magnitude;
    }
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

void SoftExtended::fromLongDoubleAtRunTime(long double v) {
#if LDBL_MANT_DIG == 64
    std::uint16_t signAndExponent;
    std::memcpy(&mantissa_, &v, sizeof mantissa_);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&v) + sizeof mantissa_, sizeof signAndExponent);
    signAndExponent_ = signAndExponent;
#elif LDBL_MANT_DIG == 113
    Uint128 bits;
    std::memcpy(&bits, &v, sizeof bits);
    const bool negative = (bits >> 127) != 0;
    const int exponent = static_cast<int>((bits >> 112) & 0x7FFF);
    const Uint128 fraction = bits & ((Uint128{1} << 112) - 1);
    if (exponent == 0x7FFF) {
        const auto high = static_cast<std::uint64_t>(fraction >> 49);
        *this = FromFields(negative, kSpecial, fraction == 0 ? kIntegerBit : kIntegerBit | kQuietBit | high);
        return;
    }
    if (exponent == 0 && fraction == 0) {
        *this = Zero(negative);
        return;
    }
    // binary128 has the same exponent range: its value is (1.f or 0.f) * 2^(e - 16383).
    const Uint128 significand = (exponent == 0 ? fraction : fraction | (Uint128{1} << 112)) << 15;
    const int shift = LeadingZeros(significand);
    *this = RoundAndPack(negative, (exponent == 0 ? 1 : exponent) - kBias - shift, significand << shift, false);
#else
    *this = SoftExtended(static_cast<double>(v));
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

std::int64_t SoftExtended::truncatedInteger() const {
    if (biasedExponent() == kSpecial || IsZero(*this)) {
        return biasedExponent() == kSpecial ? std::numeric_limits<std::int64_t>::min() : 0;
    }
    const Unpacked u = Unpack(*this);
    if (u.exponent < 0) {
        return 0;
    }
    if (u.exponent >= 63) {
        return std::numeric_limits<std::int64_t>::min();  // out of range, as the x87 answers
    }
    const auto magnitude = static_cast<std::int64_t>(u.mantissa >> (63 - u.exponent));
    return u.negative ? -magnitude : magnitude;
}

std::partial_ordering SoftExtended::Compare(SoftExtended a, SoftExtended b) {
    if (IsNaN(a) || IsNaN(b)) {
        return std::partial_ordering::unordered;
    }
    if (IsZero(a) && IsZero(b)) {
        return std::partial_ordering::equivalent;
    }
    if (a.negative() != b.negative()) {
        return a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
    }
    // Same sign: the fields order the magnitudes.
    const auto key = [](SoftExtended x) {
        return (static_cast<Uint128>(x.biasedExponent()) << 64) | x.mantissa();
    };
    const Uint128 ka = key(a);
    const Uint128 kb = key(b);
    if (ka == kb) {
        return std::partial_ordering::equivalent;
    }
    return (ka < kb) != a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
}

}  // namespace strs
