// e^x in integer arithmetic, with one reduction whose only error is that of ln 2 / 1024:
//   n = round(1024 x / ln 2) = 1024 k + j,  0 <= j < 1024
//   r = x - n (ln 2 / 1024),  |r| <= ln 2 / 2048 < 2^-11
//   e^x = 2^k 2^(j/1024) q(r),  q(r) = 1 + r + r^2/2! + ...

#include <algorithm>
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

constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();
// Beyond these, e^x is past the largest extended number (e^11356.53) or below half the
// smallest subnormal (2^-16446 = e^-11399.5).
constexpr Extended kOverflowArgument = 11357;
constexpr Extended kUnderflowArgument = -11400;
// Below 2^-70 in magnitude, e^x lies within 2^-70 of 1 and so rounds to 1.
constexpr int kTinyExponent = -70;

constexpr int kTableBits = 10;  // 2^(j/1024)
constexpr int kTableSize = 1 << kTableBits;
constexpr int kReductionBits = 11;  // |r| <= 2^-11

// Terms of q enough that the rest, below 2 |r|^count / count!, stays under 2^24 units of
// the last place; and that bound as a power of two.
constexpr int ExpTruncationBits(int fractionBits, int count) {
    int log2Factorial = 0;  // a lower bound: the sum of floor(log2 k)
    for (int k = 2; k <= count; ++k) {
        log2Factorial += std::bit_width(static_cast<unsigned>(k)) - 1;
    }
    return fractionBits + 1 - kReductionBits * count - log2Factorial;
}
constexpr int ExpTermCount(int fractionBits) {
    int count = 1;
    while (ExpTruncationBits(fractionBits, count) > 24) {
        ++count;
    }
    return count;
}
template <int N>
constexpr int kExpTermCount = ExpTermCount(Fixed<N>::kFractionBits);
template <int N>
constexpr std::uint64_t kExpTruncationUnits =
    std::uint64_t{1} << std::max(0, ExpTruncationBits(Fixed<N>::kFractionBits, kExpTermCount<N>));

template <int N>
struct ExpTables {
    Fixed<N> ln2Over1024;
    std::array<Fixed<N>, kTableSize> powersOf2;                     // 2^(j/1024)
    std::array<Fixed<N>, kExpTermCount<N>> coefficients;            // 1 / k!
    std::array<std::int64_t, kExpTermCount<N>> narrowCoefficients;
    std::int64_t narrowReduction;  // 1024 / ln 2 at 2^-51: only chooses n

    ExpTables() {
        const Fixed<N + 1> preciseLn2 = wide::LnOfRatio<N + 1>(2, 1);
        const Fixed<N + 1> preciseStep = preciseLn2.dividedBy(kTableSize);
        ln2Over1024 = preciseStep.template rounded<N>();
        narrowReduction = Fixed<N>::Ratio(1442695040888963407, 1000000000000000000).times(kTableSize).narrowed(51);
        // Each power from the one before: 1024 steps of one unit at N + 1 limbs stay far
        // below one unit at N.
        const Fixed<N + 1> step = wide::ExpSeries(preciseStep);
        Fixed<N + 1> power = Fixed<N + 1>::FromInteger(1);
        for (int j = 0; j < kTableSize; ++j) {
            powersOf2[j] = power.template rounded<N>();
            power = power * step;
        }
        Fixed<N + 1> reciprocalFactorial = Fixed<N + 1>::FromInteger(1);
        for (int k = 0; k < kExpTermCount<N>; ++k) {
            if (k > 1) {
                reciprocalFactorial = reciprocalFactorial.dividedBy(static_cast<std::uint64_t>(k));
            }
            coefficients[k] = reciprocalFactorial.template rounded<N>();
        }
        narrowCoefficients = wide::Narrowed(coefficients);
    }

    static const ExpTables& get() {
        static const ExpTables t;
        return t;
    }
};

template <int N>
[[gnu::noinline]] std::optional<Extended> ExpAt(const ExtendedBits& bits, bool last) {
    const ExpTables<N>& t = ExpTables<N>::get();
    const Fixed<N> x =
        Fixed<N>::FromScaled(bits.mantissa, bits.negative, bits.biasedExponent - kExtendedFormat.exponentBias - 63);
    // n need not be the nearest integer to 1024 x / ln 2, only near enough for |r| < 2^-11.
    const auto nTimes2To99 = static_cast<wide::Int128>(x.narrowed(48)) * t.narrowReduction;
    const auto n = static_cast<std::int64_t>((nTimes2To99 + (wide::Int128{1} << 98)) >> 99);
    const std::int64_t k = n >> kTableBits;  // floor
    const std::int64_t j = n & (kTableSize - 1);
    const Fixed<N> r = x - t.ln2Over1024.times(n);

    // Error bounds, in units of the last place: r is off by up to |n| / 2 < 2^23 from the
    // rounding of ln 2 / 1024; the table entry, the product and each wide step by about one
    // more; the dropped terms by kExpTruncationUnits; all scaled by 2^(j/1024) < 2.
    Approximation<N> a;
    Fixed<N> q;
    if constexpr (N == 2) {
        // The first attempt: q(r) = 1 + r + r^2/2 + r^2 (r t(r)), t(r) = 1/6 + r/24 + ...,
        // r t(r) in 64-bit integers at 2^-73, off by 3 units, so by 3 2^-95 = 2^18.6 units.
        const Fixed<N> square = r * r;
        const std::int64_t rt = wide::NarrowTail<3>(t.narrowCoefficients, r.narrowed(73), kReductionBits);
        q = Fixed<N>::FromInteger(1) + r + square.halved() + square.timesNarrow(rt, 73);
        a.error = 1u << 20;
    } else {
        q = wide::Horner(t.coefficients, r);
    }
    a.value = t.powersOf2[j] * q;
    a.scale = static_cast<int>(k);
    a.error += static_cast<std::uint64_t>(n < 0 ? -n : n) + 2 * kExpTruncationUnits<N> + 64;
    if (last) {
        a.error = 0;
    }
    return wide::RoundCorrectly(a);
}

}  // namespace

Extended Exp(Extended x) {
    const ExtendedBits bits = BitsOf(x);
    if (bits.biasedExponent == kExtendedFormat.specialExponent) {
        if ((bits.mantissa << 1) != 0) {
            return x + x;  // NaN, quieted
        }
        return bits.negative ? Extended(0) : x;
    }
    // |x| < 2^(biased exponent - bias + 1)
    if (bits.biasedExponent - kExtendedFormat.exponentBias + 1 <= kTinyExponent) {
        return 1;
    }
    if (x >= kOverflowArgument) {
        return kInfinity;
    }
    if (x <= kUnderflowArgument) {
        return 0;
    }
    return wide::FirstDecided([&](auto limbs, bool last) { return ExpAt<decltype(limbs)::value>(bits, last); },
                              wide::g_expSlowPaths);
}

}  // namespace strs
