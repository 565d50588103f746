// The variance and correlation sums of the autoregressive sequence lab.

#include "labs/ar_sequence/correlation.h"
#include "matematic/errors.h"
#include "support/lagged_product_sums_plain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace strs {
namespace {

std::vector<double> NormalData(int n, std::uint64_t seed, double scale = 1.0) {
    std::mt19937_64 engine(seed);
    std::normal_distribution<double> normal(0.0, scale);
    std::vector<double> x(static_cast<std::size_t>(n));
    for (double& v : x)
        v = normal(engine);
    return x;
}

// Values spread over many binades, so that nearly every addition rounds.
std::vector<double> WideData(int n, std::uint64_t seed) {
    std::mt19937_64 engine(seed);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::vector<double> x(static_cast<std::size_t>(n));
    for (double& v : x)
        v = std::ldexp(mantissa(engine), exponent(engine));
    return x;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectBlockedEqualsPlain(const std::vector<double>& x, int lags) {
    const int n = static_cast<int>(x.size());
    std::vector<double> blocked(static_cast<std::size_t>(lags));
    std::vector<double> plain(static_cast<std::size_t>(lags));
    LaggedProductSums(x.data(), n, lags, blocked.data());
    LaggedProductSumsPlain(x.data(), n, lags, plain.data());
    for (int k = 0; k < lags; ++k) {
        ASSERT_TRUE(SameBits(blocked[k], plain[k]))
            << "n " << n << " lag " << k << ": " << blocked[k] << " vs " << plain[k];
    }
}

TEST(ArSequenceCorrelation, BlockedSumsEqualPlainLoopsBitForBit) {
    ExpectBlockedEqualsPlain(NormalData(10000, 1), 200);
    ExpectBlockedEqualsPlain(NormalData(1000, 2, 3.7), 200);
    ExpectBlockedEqualsPlain(WideData(10000, 3), 200);
    ExpectBlockedEqualsPlain(WideData(997, 4), 203);  // lags not a multiple of the block
}

TEST(ArSequenceCorrelation, BlockedSumsEqualPlainLoopsForShortSequences) {
    for (int n = 1; n <= 40; ++n) {
        for (int lags = 1; lags <= n; ++lags) {
            ExpectBlockedEqualsPlain(WideData(n, std::uint64_t(100 * n + lags)), lags);
        }
    }
}

TEST(ArSequenceCorrelation, SumRunsInIndexOrder) {
    // Each 2^-54 added to 1 is lost again when the sum goes back to double; summed the
    // other way round the four would make 2^-52 and survive.
    const double small = std::ldexp(1.0, -27);
    const std::vector<double> x = {1.0, small, small, small, small};
    double s = 0.0;
    LaggedProductSums(x.data(), 5, 1, &s);
    EXPECT_EQ(s, 1.0);
}

TEST(ArSequenceCorrelation, AdditionIsExtendedThenRoundedToDouble) {
    // 1 + (2^-53 + 2^-70): extended keeps 1 + 2^-53, a tie that double rounds to even,
    // 1. Added in double the sum would round up to 1 + 2^-52.
    const std::vector<double> x = {1.0, 1.0, std::ldexp(1.0, -53) + std::ldexp(1.0, -70)};
    double s[2] = {};
    LaggedProductSums(x.data(), 3, 2, s);
    EXPECT_EQ(s[1], 1.0);
}

TEST(ArSequenceCorrelation, ProductIsRoundedToExtended) {
    // (1 + 2^-51)(1 + 2^-52) = 1 + 3 * 2^-52 + 2^-103: the extended product drops the
    // 2^-103, which a fused multiply-add would keep.
    const std::vector<double> x = {1.0, -(1.0 + std::ldexp(1.0, -51)), -(1.0 + std::ldexp(1.0, -52))};
    double s[2] = {};
    LaggedProductSums(x.data(), 3, 2, s);
    EXPECT_EQ(s[1], std::ldexp(1.0, -52));
    LaggedProductSumsPlain(x.data(), 3, 2, s);
    EXPECT_EQ(s[1], std::ldexp(1.0, -52));
}

TEST(ArSequenceCorrelation, SumBeyondDoubleRangeOverflows) {
    std::vector<double> x = NormalData(64, 5);
    x[40] = 1e155;
    x[41] = 2e155;  // x[40] x[41] = 2e310
    std::vector<double> s(20);
    EXPECT_THROW(LaggedProductSums(x.data(), 64, 20, s.data()), FloatingOverflow);
    EXPECT_THROW(ExperimentalVariance(x.data(), 64), FloatingOverflow);
}

TEST(ArSequenceCorrelation, VarianceIsSumOfSquaresOverNMinusOne) {
    const std::vector<double> x = {1.0, -2.0, 3.0};
    EXPECT_EQ(ExperimentalVariance(x.data(), 3), 7.0);  // mean not subtracted
}

TEST(ArSequenceCorrelation, LagZeroIsOne) {
    const std::vector<double> x = NormalData(10000, 6, 2.5);
    const double variance = ExperimentalVariance(x.data(), 10000);
    std::vector<double> k(200);
    ExperimentalCorrelation(x.data(), 10000, variance, k.data(), 200);
    EXPECT_NEAR(k[0], 1.0, 1e-15);
    for (int lag = 1; lag < 200; ++lag)
        EXPECT_LT(std::fabs(k[lag]), 0.1) << lag;
}

// The lag sum is divided by its count first and by the variance next; one division by
// their product rounds differently about once in 10^4. This sequence was found by
// trying both orders on random six-value sequences of two-decimal numbers: the other
// order gives 0x1.41e40df83ee52p-4 at lag 2.
TEST(ArSequenceCorrelation, LagSumIsDividedByItsCountBeforeTheVariance) {
    const std::vector<double> x = {-3.81, 0.25, 4.0, 8.16, 5.52, -0.35};
    std::vector<double> k(3);
    ExperimentalCorrelation(x.data(), 6, ExperimentalVariance(x.data(), 6), k.data(), 3);
    EXPECT_EQ(k[2], 0x1.41e40df83ee53p-4);
}

TEST(ArSequenceCorrelation, ConstantSequenceGivesTheLengthRatio) {
    const int n = 1000;
    const std::vector<double> x(n, -0.75);
    const double variance = ExperimentalVariance(x.data(), n);
    std::vector<double> k(200);
    ExperimentalCorrelation(x.data(), n, variance, k.data(), 200);
    for (int lag = 0; lag < 200; ++lag) {
        const double expected = double(n - lag) * (n - 1) / (double(n - lag - 1) * n);
        EXPECT_NEAR(k[lag], expected, 1e-13) << lag;
    }
    EXPECT_GT(k[199], 1.0);
}

TEST(ArSequenceCorrelation, ZeroVarianceIsZeroOverZero) {
    const std::vector<double> x(1000, 0.0);
    const double variance = ExperimentalVariance(x.data(), 1000);
    EXPECT_EQ(variance, 0.0);
    std::vector<double> k(200, 7.0);
    EXPECT_THROW(ExperimentalCorrelation(x.data(), 1000, variance, k.data(), 200), InvalidOperation);
}

}  // namespace
}  // namespace strs
