// ln x for x = m * 2^e, m in [1/sqrt 2, sqrt 2), in integer arithmetic:
//   r1 = j1 / 2^16 ~ 1/m from a table by the first 8 bits of m,  m r1 = 1 + z1, |z1| < 2^-8
//   r2 = j2 / 2^32 ~ 1/(1 + z1) by the first 16 bits of z1,  m r1 r2 = 1 + z, |z| < 2^-16
//   ln x = e ln 2 - ln r1 - ln r2 + z p(z),  p(z) = 1 - z/2 + z^2/3 - ...
// m r1 r2 is an exact product of integers, so z carries no error; near 1 (e = 0 and
// r1 = r2 = 1) ln x = z p(z) is computed relative to z, keeping all of its digits.

#include <array>
#include <bit>
#include <limits>

#include "matematic/correct_rounding.h"
#include "matematic/elementary.h"
#include "matematic/elementary_attempts.h"
#include "matematic/elementary_series.h"
#include "matematic/extended_bits.h"

namespace strs {
namespace {

using wide::Approximation;
using wide::Fixed;
using wide::Int128;
using wide::Uint128;

constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

// sqrt(2) * 2^63 rounded down: mantissas above it are taken as m = mantissa / 2^64.
constexpr std::uint64_t kSqrt2Mantissa = 0xB504F333F9DE6484ull;

constexpr int kFirstIndexLow = 181;   // floor(256 m) for m >= 1/sqrt 2
constexpr int kFirstCount = 182;      // ... up to 362
constexpr int kSecondIndexLow = -256; // floor(2^16 z1) for |z1| <= 2^-8
constexpr int kSecondCount = 512;
constexpr std::uint64_t kFirstOne = std::uint64_t{1} << 16;
constexpr std::uint64_t kSecondOne = std::uint64_t{1} << 32;

// The reciprocals, for the middle of each cell; 1 itself for the cells beside 1, so that
// near 1 no table term is added at all.
struct Reciprocals {
    std::array<std::uint64_t, kFirstCount> first{};
    std::array<std::uint64_t, kSecondCount> second{};

    Reciprocals() {
        for (int k = 0; k < kFirstCount; ++k) {
            const auto i = static_cast<std::uint64_t>(kFirstIndexLow + k);
            first[k] = (i == 255 || i == 256) ? kFirstOne : ((std::uint64_t{1} << 26) / (2 * i + 1) + 1) / 2;
        }
        for (int k = 0; k < kSecondCount; ++k) {
            const int i = kSecondIndexLow + k;
            const auto cell = static_cast<std::uint64_t>((1 << 17) + 2 * i + 1);
            second[k] = (i == -1 || i == 0) ? kSecondOne : ((std::uint64_t{1} << 50) / cell + 1) / 2;
        }
    }

    static const Reciprocals& get() {
        static const Reciprocals r;
        return r;
    }
};

constexpr int kReducedBits = 16;  // |z| <= 2^-16

// Enough terms of p that the rest stays below 2^16 units of the last place: |z|^count.
template <int N>
constexpr int kLnTermCount = (Fixed<N>::kFractionBits - 16 + 15) / 16;
constexpr std::uint64_t kLnTruncationUnits = std::uint64_t{1} << 16;

template <int N>
struct LnTables {
    Fixed<N> ln2;
    std::array<Fixed<N>, kFirstCount> minusLnFirst;    // -ln r1
    std::array<Fixed<N>, kSecondCount> minusLnSecond;  // -ln r2
    std::array<Fixed<N>, kLnTermCount<N>> coefficients;  // (-1)^k / (k + 1)
    std::array<std::int64_t, kLnTermCount<N>> narrowCoefficients;

    LnTables() {
        const Reciprocals& r = Reciprocals::get();
        ln2 = wide::LnOfRatio<N + 1>(2, 1).template rounded<N>();
        for (int k = 0; k < kFirstCount; ++k) {
            minusLnFirst[k] = wide::LnOfRatio<N + 1>(kFirstOne, r.first[k]).template rounded<N>();
        }
        for (int k = 0; k < kSecondCount; ++k) {
            minusLnSecond[k] = wide::LnOfRatio<N + 1>(kSecondOne, r.second[k]).template rounded<N>();
        }
        for (int k = 0; k < kLnTermCount<N>; ++k) {
            coefficients[k] = Fixed<N + 1>::Ratio(k % 2 == 0 ? 1 : -1, k + 1).template rounded<N>();
        }
        narrowCoefficients = wide::Narrowed(coefficients);
    }

    static const LnTables& get() {
        static const LnTables t;
        return t;
    }
};

// x = mantissa * 2^(exponent - 63), mantissa with its top bit set, x != 1.
template <int N>
[[gnu::noinline]] std::optional<Extended> LnAt(std::uint64_t mantissa, int exponent, bool last) {
    const LnTables<N>& t = LnTables<N>::get();
    const Reciprocals& reciprocals = Reciprocals::get();
    const bool high = mantissa > kSqrt2Mantissa;
    const Uint128 m = high ? Uint128{mantissa} : Uint128{mantissa} << 1;  // m * 2^64
    const int e = high ? exponent + 1 : exponent;

    const int first = static_cast<int>(m >> 56) - kFirstIndexLow;
    const std::uint64_t j1 = reciprocals.first[first];
    const Uint128 p1 = m * j1;  // m r1 * 2^80
    const int second = static_cast<int>(static_cast<Int128>(p1 - (Uint128{1} << 80)) >> 64) - kSecondIndexLow;
    const std::uint64_t j2 = reciprocals.second[second];
    const auto z128 = static_cast<Int128>(p1 * j2 - (Uint128{1} << 112));  // z * 2^112
    const Fixed<N> z = Fixed<N>::FromScaled(static_cast<Uint128>(z128 < 0 ? -z128 : z128), z128 < 0, -112);
    const bool nearOne = e == 0 && j1 == kFirstOne && j2 == kSecondOne;

    // Error bounds, in units of the last place: e ln 2 is off by up to |e| / 2, each table
    // entry by one half, the series by its dropped terms (kLnTruncationUnits, and a unit a
    // product) times |z| <= 2^-16; near 1 the value is z p(z) with z's digits shifted up to
    // the top, p(z) = 1 - z/2 + z^2/3 - ... off by the dropped terms and a few units.
    Approximation<N> a;
    Fixed<N> series;  // ln(1 + z), or p(z) near 1
    if constexpr (N == 2) {
        // The first attempt: ln(1 + z) = z - z^2/2 + z^2 (z t(z)), t(z) = 1/3 - z/4 + ...,
        // z t(z) in 64-bit integers at 2^-78, off by 3 units, so by 3 2^-110 = 12 units at
        // the end; near 1, p(z) = 1 - z/2 + z (z t(z)) is off by 3 2^-94 = 2^18.6 units.
        const std::int64_t zt = wide::NarrowTail<2>(t.narrowCoefficients, z.narrowed(78), kReducedBits);
        series = nearOne ? Fixed<N>::FromInteger(1) - z.halved() + z.timesNarrow(zt, 78)
                         : z - (z * z).halved() + (z * z).timesNarrow(zt, 78);
        a.error = nearOne ? (1u << 20) : 32;
    } else {
        const Fixed<N> p = wide::Horner(t.coefficients, z);
        series = nearOne ? p : z * p;
        a.error = kLnTruncationUnits + 32;
    }
    if (nearOne) {
        const int shift = Fixed<N>::kFractionBits - 1 - z.abs().highestBit();
        a.value = z.shiftedLeft(shift) * series;
        a.scale = -shift;
    } else {
        a.value = t.ln2.times(e) + t.minusLnFirst[first] + t.minusLnSecond[second] + series;
        a.error += static_cast<std::uint64_t>(e < 0 ? -e : e);
    }
    if (last) {
        a.error = 0;
    }
    return wide::RoundCorrectly(a);
}

}  // namespace

Extended Ln(Extended x) {
    const ExtendedBits bits = BitsOf(x);
    if (bits.biasedExponent == kExtendedFormat.specialExponent) {
        if ((bits.mantissa << 1) != 0) {
            return x + x;  // NaN, quieted
        }
        return bits.negative ? kNaN : x;
    }
    if (bits.mantissa == 0) {
        return -kInfinity;
    }
    if (bits.negative) {
        return kNaN;
    }
    std::uint64_t mantissa = bits.mantissa;
    int exponent = bits.biasedExponent - kExtendedFormat.exponentBias;
    if (bits.biasedExponent == 0) {  // subnormal: normalise
        const int shift = std::countl_zero(mantissa);
        mantissa <<= shift;
        exponent = 1 - kExtendedFormat.exponentBias - shift;
    }
    if (mantissa == std::uint64_t{1} << 63 && exponent == 0) {
        return 0;
    }
    return wide::FirstDecided(
        [&](auto limbs, bool last) { return LnAt<decltype(limbs)::value>(mantissa, exponent, last); },
        wide::g_lnSlowPaths);
}

}  // namespace strs
