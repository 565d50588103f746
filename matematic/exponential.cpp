// e^x in integer arithmetic, with three reductions that leave no error but that of ln 2:
//   k  = round(x / ln 2),        r1 = x - k ln 2,      |r1| <= ln 2 / 2
//   j1 = round(64 r1),           r2 = r1 - j1 / 64,    |r2| <= 2^-7
//   j2 = round(4096 r2),         r  = r2 - j2 / 4096,  |r|  <= 2^-13
//   e^x = 2^k e^(j1/64) e^(j2/4096) q(r),  q(r) = 1 + r + r^2/2! + ...

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
constexpr Extended kOverflowArgument = 11357.0L;
constexpr Extended kUnderflowArgument = -11400.0L;
// Below 2^-70 in magnitude, e^x lies within 2^-70 of 1 and so rounds to 1.
constexpr int kTinyExponent = -70;

constexpr int kSixtyFourthsReach = 24;      // |j1| <= 23
constexpr int kFourThousandthsReach = 32;   // |j2| <= 32
constexpr int kReductionBits = 13;          // |r| <= 2^-13
constexpr std::size_t kWideTerms = 2;       // the terms from r^2 on are narrow in the first attempt

// Terms of q enough that the rest, below 2 |r|^count / count!, stays under 2^16 units of
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
    while (ExpTruncationBits(fractionBits, count) > 16) {
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
    Fixed<N> ln2;
    std::array<Fixed<N>, 2 * kSixtyFourthsReach + 1> sixtyFourths;         // e^(j/64)
    std::array<Fixed<N>, 2 * kFourThousandthsReach + 1> fourThousandths;  // e^(j/4096)
    std::array<Fixed<N>, kExpTermCount<N>> coefficients;                   // 1 / k!
    std::array<std::int64_t, kExpTermCount<N>> narrowCoefficients;
    std::int64_t narrowInverseLn2;  // 1 / ln 2 at 2^-62: only chooses k

    ExpTables() {
        ln2 = wide::LnOfRatio<N + 1>(2, 1).template rounded<N>();
        narrowInverseLn2 = Fixed<N>::Ratio(1442695040888963407, 1000000000000000000).narrowed(62);
        for (int j = -kSixtyFourthsReach; j <= kSixtyFourthsReach; ++j) {
            sixtyFourths[j + kSixtyFourthsReach] = wide::ExpOfDyadic<N + 1>(j, 6).template rounded<N>();
        }
        for (int j = -kFourThousandthsReach; j <= kFourThousandthsReach; ++j) {
            fourThousandths[j + kFourThousandthsReach] = wide::ExpOfDyadic<N + 1>(j, 12).template rounded<N>();
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
        Fixed<N>::FromScaled(bits.mantissa, bits.negative, bits.biasedExponent - kExtendedExponentBias - 63);
    // k need not be the nearest integer to x / ln 2, only near enough for the tables' reach.
    const auto kTimes2To110 = static_cast<wide::Int128>(x.narrowed(48)) * t.narrowInverseLn2;
    const auto k = static_cast<std::int64_t>((kTimes2To110 + (wide::Int128{1} << 109)) >> 110);
    const Fixed<N> r1 = x - t.ln2.times(k);
    const std::int64_t j1 = r1.roundToDyadic(6);
    const Fixed<N> r2 = r1 - Fixed<N>::FromDyadic(j1, 6);
    const std::int64_t j2 = r2.roundToDyadic(12);
    const Fixed<N> r = r2 - Fixed<N>::FromDyadic(j2, 12);

    Approximation<N> a;
    a.value = (t.sixtyFourths[j1 + kSixtyFourthsReach] * t.fourThousandths[j2 + kFourThousandthsReach]) *
              wide::EvaluatePolynomial<kWideTerms>(t.coefficients, t.narrowCoefficients, r, kReductionBits);
    a.scale = static_cast<int>(k);
    // Error bounds, in units of the last place: k ln 2 is off by up to |k| / 2; each table
    // entry, product and Horner step by about one more; the dropped terms by
    // kExpTruncationUnits, the narrow tail by 2^-62 |r|^2 = 2^24 units, all scaled by
    // e^(j1/64 + j2/4096) < 1.5.
    a.error = last ? 0 : 2 * static_cast<std::uint64_t>(k < 0 ? -k : k) + 2 * kExpTruncationUnits<N> + (1u << 25) + 32;
    return wide::RoundCorrectly(a);
}

}  // namespace

Extended Exp(Extended x) {
    const ExtendedBits bits = BitsOf(x);
    if (bits.biasedExponent == kExtendedSpecialExponent) {
        if ((bits.mantissa << 1) != 0) {
            return x + x;  // NaN, quieted
        }
        return bits.negative ? 0.0L : x;
    }
    // |x| < 2^(biased exponent - bias + 1)
    if (bits.biasedExponent - kExtendedExponentBias + 1 <= kTinyExponent) {
        return 1.0L;
    }
    if (x >= kOverflowArgument) {
        return kInfinity;
    }
    if (x <= kUnderflowArgument) {
        return 0.0L;
    }
    return wide::FirstDecided([&](auto limbs, bool last) { return ExpAt<decltype(limbs)::value>(bits, last); },
                              wide::g_expSlowPaths);
}

}  // namespace strs
