#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "labs/random_variable/histogram.h"
#include "labs/random_variable/moments.h"
#include "labs/random_variable/random_variable_laws.h"
#include "matematic/errors.h"
#include "matematic/random.h"
#include "matematic/elementary.h"
#include "matematic/extended_arithmetic.h"

namespace strs::random_variable {
namespace {

enum LawIndex { kNormal = 0, kUniform = 1, kWeibull = 2, kRayleigh = 3, kExponential = 4 };

// The generator state that is followed by state 0, whose uniform value is exactly 0.
constexpr std::uint32_t kStateBeforeZero = 649090867u;

class RandomVariableLawsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandomGenerator(); }

    static const Law& LawOf(int index) { return *LawAt(index); }

    // The state after n steps from state 0.
    static std::uint32_t StateAfter(long n) {
        std::uint32_t s = 0;
        for (long i = 0; i < n; ++i)
            s = s * 134775813u + 1u;
        return s;
    }
};

TEST_F(RandomVariableLawsTest, FiveLawsInTheOrderOfTheList) {
    EXPECT_EQ(LawAt(-1), nullptr);
    EXPECT_EQ(LawAt(5), nullptr);
    for (int i = 0; i < 5; ++i)
        ASSERT_NE(LawAt(i), nullptr);
    EXPECT_EQ(LawOf(kNormal).parameterCount, 2);
    EXPECT_EQ(LawOf(kRayleigh).parameterCount, 1);
    EXPECT_EQ(LawOf(kExponential).parameterCount, 1);
    EXPECT_FALSE(LawOf(kNormal).replacesExactZero);
    EXPECT_FALSE(LawOf(kUniform).replacesExactZero);
    EXPECT_TRUE(LawOf(kWeibull).replacesExactZero);
    EXPECT_EQ(LawOf(kNormal).density, nullptr);
    EXPECT_EQ(LawOf(kUniform).density, nullptr);
    EXPECT_EQ(LawOf(kNormal).theory, nullptr);
    EXPECT_EQ(LawOf(kWeibull).resultForm, ResultForm::ComparedCoarse);
}

TEST_F(RandomVariableLawsTest, NormalLawSampleTakesSixUniformValuesPerValue) {
    DrawSample(LawOf(kNormal), {1.2, 1.5});
    EXPECT_EQ(RandomGeneratorState(), StateAfter(6000));
}

TEST_F(RandomVariableLawsTest, NormalLawAveragesSixUniformValues) {
    const Extended u[6] = {UniformRandom(), UniformRandom(), UniformRandom(),
                           UniformRandom(), UniformRandom(), UniformRandom()};
    ResetRandomGenerator();
    const double a = -2.0;
    const double b = 5.0;
    double s = 0.0;
    for (Extended ui : u)
        s = static_cast<double>((ui * (Extended(b) - a) + s) + a);
    EXPECT_EQ(LawOf(kNormal).draw({a, b}), static_cast<double>(Extended(s) / 6));
}

TEST_F(RandomVariableLawsTest, UniformLawSampleTakesOneUniformValuePerValue) {
    DrawSample(LawOf(kUniform), {1.2, 1.5});
    EXPECT_EQ(RandomGeneratorState(), StateAfter(1000));
}

TEST_F(RandomVariableLawsTest, UniformLawWithEqualEndsGivesEqualValues) {
    const Sample x = DrawSample(LawOf(kUniform), {1.2, 1.2});
    for (double v : x)
        ASSERT_EQ(v, 1.2);
    EXPECT_EQ(LawOf(kUniform).theory({1.2, 1.2}).variance, 0.0);
}

TEST_F(RandomVariableLawsTest, UniformLawWithSwappedEndsStaysBetweenThem) {
    const Sample x = DrawSample(LawOf(kUniform), {1.5, 1.2});
    for (double v : x) {
        ASSERT_LE(v, 1.5);
        ASSERT_GT(v, 1.2);
    }
    const Moments swapped = LawOf(kUniform).theory({1.5, 1.2});
    const Moments straight = LawOf(kUniform).theory({1.2, 1.5});
    EXPECT_EQ(swapped.mean, straight.mean);
    EXPECT_EQ(swapped.variance, straight.variance);
}

TEST_F(RandomVariableLawsTest, ExponentialLawFirstValueIsTheLargest) {
    const Sample x = DrawSample(LawOf(kExponential), {1.2, 0.0});
    EXPECT_EQ(x[0], CountHistogram(x).max);  // the first uniform value is the smallest of all
}

TEST_F(RandomVariableLawsTest, RayleighLawDrawsG1BeforeG2) {
    const Extended g1 = RandomNormal(0.0L, 1.0L);
    const Extended g2 = RandomNormal(0.0L, 1.0L);
    const std::uint32_t after = RandomGeneratorState();
    ResetRandomGenerator();
    const Extended sigma = Sqrt(4.0L);
    const Extended x1 = sigma * g1;
    const Extended x2 = sigma * g2;
    EXPECT_EQ(LawOf(kRayleigh).draw({4.0, 0.0}), static_cast<double>(Sqrt(x1 * x1 + x2 * x2)));
    EXPECT_EQ(RandomGeneratorState(), after);
}

TEST_F(RandomVariableLawsTest, WeibullLawAcceptsANegativeAlphaWhenOneOverBetaIsWhole) {
    // 1/0.5 = 2: an integer power, so the negative base is squared.
    const Sample x = DrawSample(LawOf(kWeibull), {-1.0, 0.5});
    for (double v : x)
        ASSERT_GE(v, 0.0);
}

TEST_F(RandomVariableLawsTest, WeibullLawFailures) {
    EXPECT_THROW(DrawSample(LawOf(kWeibull), {0.0, 1.5}), DivisionByZero);     // -ln U / alpha
    EXPECT_THROW(DrawSample(LawOf(kWeibull), {1.2, 0.0}), DivisionByZero);     // 1 / beta
    EXPECT_THROW(DrawSample(LawOf(kWeibull), {-1.2, 1.5}), InvalidOperation);  // negative base
    EXPECT_THROW(DrawSample(LawOf(kWeibull), {1.2, 0.001}), FloatingOverflow);
}

TEST_F(RandomVariableLawsTest, ExponentialLawFailures) {
    EXPECT_THROW(DrawSample(LawOf(kExponential), {0.0, 0.0}), DivisionByZero);
    EXPECT_THROW(DensityCurve(LawOf(kExponential), {-1e4, 0.0}), FloatingOverflow);
}

TEST_F(RandomVariableLawsTest, AUniformValueOfExactlyZeroIsTheLogarithmOfZero) {
    SetRandomGeneratorState(kStateBeforeZero);
    EXPECT_THROW(LawOf(kExponential).draw({1.2, 0.0}), DivisionByZero);
    SetRandomGeneratorState(kStateBeforeZero);
    EXPECT_THROW(LawOf(kWeibull).draw({1.2, 1.5}), DivisionByZero);
    // The normal and uniform laws take a zero like any other value.
    SetRandomGeneratorState(kStateBeforeZero);
    EXPECT_EQ(LawOf(kUniform).draw({1.2, 1.5}), 1.2);
}

TEST_F(RandomVariableLawsTest, RayleighLawFailures) {
    EXPECT_THROW(DrawSample(LawOf(kRayleigh), {-1.0, 0.0}), InvalidOperation);
    // sigma^2 = 0 draws zeros but fails at the density's first point, 0 / 0.
    const Sample x = DrawSample(LawOf(kRayleigh), {0.0, 0.0});
    EXPECT_EQ(*std::max_element(x.begin(), x.end()), 0.0);
    EXPECT_THROW(DensityCurve(LawOf(kRayleigh), {0.0, 0.0}), InvalidOperation);
}

TEST_F(RandomVariableLawsTest, ExponentialDensityOnItsGrid) {
    const Curve y = DensityCurve(LawOf(kExponential), {1.2, 0.0});
    EXPECT_EQ(y[0], 1.2);
    double t = 0.0;
    for (int k = 0; k < kCurvePoints; ++k) {
        EXPECT_EQ(y[k], static_cast<double>(Exp(-(Extended(1.2) * t)) * Extended(1.2))) << k;
        t = static_cast<double>(Extended(t) + 0.1);
    }
    EXPECT_NEAR(t - 0.1, 9.9, 1e-12);  // the last abscissa
}

TEST_F(RandomVariableLawsTest, NegativeLambdaGivesANegativeGrowingDensity) {
    const Curve y = DensityCurve(LawOf(kExponential), {-1.0, 0.0});
    EXPECT_EQ(y[0], -1.0);
    EXPECT_LT(y[99], y[50]);
    EXPECT_LT(LawOf(kExponential).theory({-1.0, 0.0}).mean, 0.0);
}

TEST_F(RandomVariableLawsTest, RayleighDensityOnItsGrid) {
    const Curve y = DensityCurve(LawOf(kRayleigh), {1.2, 0.0});
    EXPECT_EQ(y[0], 0.0);
    double t = 0.0;
    for (int k = 0; k < kCurvePoints; ++k) {
        const Extended v = Exp(-(Extended(t) * t) / (2 * Extended(1.2))) * (t / Extended(1.2));
        EXPECT_EQ(y[k], static_cast<double>(v)) << k;
        t = static_cast<double>(Extended(t) + 0.03);
    }
    EXPECT_NEAR(t - 0.03, 2.97, 1e-12);
}

TEST_F(RandomVariableLawsTest, WeibullDensityOnItsGrid) {
    const Curve y = DensityCurve(LawOf(kWeibull), {1.2, 1.5});
    double t = 0.001;
    for (int k = 0; k < kCurvePoints; ++k) {
        const Extended v = Extended(1.2) * 1.5 * Extended(std::pow(static_cast<long double>(t), 0.5L))
                           * Exp(-(Extended(1.2) * Extended(std::pow(static_cast<long double>(t), 1.5L))));
        EXPECT_NEAR(y[k], static_cast<double>(v), 1e-15) << k;
        t = static_cast<double>(Extended(t) + 0.02);
    }
    EXPECT_NEAR(t - 0.02, 1.981, 1e-12);
}

TEST_F(RandomVariableLawsTest, CurvesDrawNoRandomNumbers) {
    DensityCurve(LawOf(kWeibull), {1.2, 1.5});
    DensityCurve(LawOf(kRayleigh), {1.2, 0.0});
    DensityCurve(LawOf(kExponential), {1.2, 0.0});
    EXPECT_EQ(RandomGeneratorState(), 0u);
}

TEST_F(RandomVariableLawsTest, TheoreticalMoments) {
    const Moments rayleigh = LawOf(kRayleigh).theory({2.0, 0.0});
    EXPECT_EQ(rayleigh.mean, static_cast<double>(Sqrt(Extended(1.5707963267948966) * 2.0)));
    EXPECT_EQ(rayleigh.variance, static_cast<double>(Extended(0.42920367320510338) * 2.0));
    const Moments exponential = LawOf(kExponential).theory({4.0, 0.0});
    EXPECT_EQ(exponential.mean, 0.25);
    EXPECT_EQ(exponential.variance, 0.0625);
    // beta = 1: Weibull is exponential with rate alpha; Gamma(2) and Gamma(3) are the
    // table's 0.999984 and 2.00036.
    const Moments weibull = LawOf(kWeibull).theory({2.0, 1.0});
    EXPECT_NEAR(weibull.mean, 0.5 * 0.999984, 1e-6);
    EXPECT_NEAR(weibull.variance, 0.25 * (2.00036 - 0.999984 * 0.999984), 1e-6);
}

TEST_F(RandomVariableLawsTest, WeibullTheoryOverflowsInTheGammaApproximation) {
    // 1/beta + 1 = 1e51 is beyond the range where the Gamma polynomial fits a double.
    EXPECT_THROW(LawOf(kWeibull).theory({100.0, 1e-51}), FloatingOverflow);
}

}  // namespace
}  // namespace strs::random_variable
