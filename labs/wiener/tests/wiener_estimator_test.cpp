// The block Wiener estimator on its own, without the page.

#include "labs/wiener/wiener_estimator.h"
#include "matematic/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using strs::Matrix100;
using strs::Vector100;
using strs::WienerMatrices;

constexpr std::size_t N = strs::kMatrixOrder;

double At(const Matrix100& m, std::size_t i, std::size_t j) { return m[i * N + j]; }

TEST(WienerCorrelation, FirstOrderIsAnIntegerPowerOfTheLag) {
    auto rx = std::make_unique<Matrix100>();
    strs::FillAr1Correlation(0.8, 2.0, *rx);
    EXPECT_EQ(At(*rx, 0, 0), 2.0);
    EXPECT_EQ(At(*rx, 57, 57), 2.0);
    EXPECT_DOUBLE_EQ(At(*rx, 0, 1), 1.6);
    EXPECT_DOUBLE_EQ(At(*rx, 3, 1), 2.0 * 0.8 * 0.8);
    EXPECT_EQ(At(*rx, 10, 40), At(*rx, 40, 10));
    EXPECT_EQ(At(*rx, 10, 40), At(*rx, 60, 90));  // constant along the diagonals

    strs::FillAr1Correlation(-0.5, 1.0, *rx);  // a negative coefficient is fine
    EXPECT_EQ(At(*rx, 0, 1), -0.5);
    EXPECT_EQ(At(*rx, 0, 3), -0.125);

    strs::FillAr1Correlation(0.0, 3.0, *rx);  // 0^0 = 1 on the diagonal
    EXPECT_EQ(At(*rx, 5, 5), 3.0);
    EXPECT_EQ(At(*rx, 5, 6), 0.0);
}

TEST(WienerCorrelation, SecondOrderTakesRhoOfTheLag) {
    Vector100 rho;
    for (std::size_t m = 0; m < N; ++m) {
        rho[m] = 1.0 / static_cast<double>(m + 1);
    }
    auto rx = std::make_unique<Matrix100>();
    strs::FillAr2Correlation(rho, 4.0, *rx);
    EXPECT_EQ(At(*rx, 7, 7), 4.0);
    EXPECT_EQ(At(*rx, 7, 9), 4.0 / 3.0);
    EXPECT_EQ(At(*rx, 9, 7), 4.0 / 3.0);
    EXPECT_EQ(At(*rx, 0, 99), 0.04);
}

struct Estimate {
    Vector100 xx{};
    Vector100 err{};
};

Estimate RunFirstOrder(double r, double d, double dn, const Vector100& y) {
    auto m = std::make_unique<WienerMatrices>();
    strs::FillAr1Correlation(r, d, m->rx);
    Estimate e;
    strs::EstimateWienerBlock(*m, y, d, dn, e.xx, e.err);
    return e;
}

TEST(WienerEstimator, ErrorVarianceOfTheFirstOrderDefaults) {
    const Estimate e = RunFirstOrder(0.8, 1.0, 4.0, Vector100{});
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_NEAR(e.err[i], e.err[N - 1 - i], 1e-12) << "symmetric about the middle";
        EXPECT_EQ(e.xx[i], 0.0);  // no observations, no estimate
    }
}

// (D - 2 h.c) + t.h and (D + t.h) - 2 h.c round apart only where D is far from h.c, as
// when the noise is far above the signal. These parameters were found by running both
// orders over models with D of one decimal and Dn up to 10^8 and keeping the first that
// parted: the written order gives the value below at i = 32, the other one ulp more
// (0x1.ffff1d9588afcp-1).
TEST(WienerEstimator, ErrorVarianceSubtractsTwiceTheCrossTermFirst) {
    const Estimate e = RunFirstOrder(0.86, 1.0, 990000.0, Vector100{});
    EXPECT_EQ(e.err[32], 0x1.ffff1d9588afbp-1);
}

TEST(WienerEstimator, WhiteSignalIsScaledSampleBySample) {
    // r = 0: Ry = 5 I, h = e_i / 5, so xx[i] = y[i] / 5 and err = 4 / 5 everywhere.
    Vector100 y;
    for (std::size_t i = 0; i < N; ++i) {
        y[i] = static_cast<double>(i) - 40.0;
    }
    const Estimate e = RunFirstOrder(0.0, 1.0, 4.0, y);
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_DOUBLE_EQ(e.xx[i], y[i] / 5.0);
        EXPECT_DOUBLE_EQ(e.err[i], 0.8);
    }
}

TEST(WienerEstimator, EstimatesAreLinearInTheObservations) {
    Vector100 y, y2;
    for (std::size_t i = 0; i < N; ++i) {
        y[i] = std::sin(0.3 * static_cast<double>(i));
        y2[i] = 2.0 * y[i];
    }
    const Estimate e1 = RunFirstOrder(0.8, 1.0, 4.0, y);
    const Estimate e2 = RunFirstOrder(0.8, 1.0, 4.0, y2);
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_EQ(e2.xx[i], 2.0 * e1.xx[i]);  // doubling is exact all the way
        EXPECT_EQ(e2.err[i], e1.err[i]);
    }
}

TEST(WienerEstimator, ZeroSignalVarianceGivesZeroErrors) {
    Vector100 y;
    y.fill(1.5);
    const Estimate e = RunFirstOrder(0.8, 0.0, 4.0, y);
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_EQ(e.xx[i], 0.0);
        EXPECT_EQ(e.err[i], 0.0);
    }
}

TEST(WienerEstimator, ZeroPivotFailsInTheInversion) {
    auto m = std::make_unique<WienerMatrices>();
    strs::FillAr1Correlation(0.8, 0.0, m->rx);
    Estimate e;
    EXPECT_THROW(strs::EstimateWienerBlock(*m, Vector100{}, 0.0, 0.0, e.xx, e.err), strs::DivisionByZero);
}

TEST(WienerEstimator, SumsBeyondTheDoubleRangeAreOverflows) {
    // A negative noise variance (refused earlier on the page) makes Ry = 0.5 D I and
    // h = 2 e_i: the estimate 2 y[i] leaves the double range ...
    Vector100 y;
    y.fill(1e308);
    EXPECT_THROW(RunFirstOrder(0.0, 1.0, -0.5, y), strs::FloatingOverflow);
    // ... and so does h . c = 2 D for D = 1e308.
    EXPECT_THROW(RunFirstOrder(0.0, 1e308, -5e307, Vector100{}), strs::FloatingOverflow);
}

}  // namespace
