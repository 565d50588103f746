#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "matematic/ar_model.h"
#include "matematic/errors.h"
#include "matematic/extended_arithmetic.h"
#include "matematic/random.h"

namespace strs {
namespace {

class ArModelTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandomGenerator(); }

    // The generator state after `count` normal variates from `start`.
    static std::uint32_t StateAfterNormals(std::uint32_t start, int count) {
        const std::uint32_t saved = RandomGeneratorState();
        SetRandomGeneratorState(start);
        for (int i = 0; i < count; ++i) {
            RandomNormal(0.0L, 1.0L);
        }
        const std::uint32_t after = RandomGeneratorState();
        SetRandomGeneratorState(saved);
        return after;
    }
};

TEST_F(ArModelTest, FirstOrderSequenceFromTheStartState) {
    const double q = Ar1DrivingVariance(0.8, 1.0);
    EXPECT_DOUBLE_EQ(q, 0.36);
    std::array<double, 3> x{};
    GenerateAr1(0.8, 1.0, q, x.data(), 3);
    EXPECT_NEAR(x[0], 0.398435, 5e-7);
    EXPECT_NEAR(x[1], -0.399729, 5e-7);
    EXPECT_NEAR(x[2], -0.611457, 5e-7);
    EXPECT_EQ(RandomGeneratorState(), StateAfterNormals(0, 3));
}

TEST_F(ArModelTest, FirstOrderFollowsItsRecursionInExtended) {
    std::array<double, 4> x{};
    GenerateAr1(-0.5, 2.0, 1.5, x.data(), 4);
    ResetRandomGenerator();
    const Extended g0 = RandomNormal(0.0L, 1.0L);
    EXPECT_EQ(x[0], static_cast<double>(Sqrt(2.0L) * g0));
    for (int i = 1; i < 4; ++i) {
        const Extended g = RandomNormal(0.0L, 1.0L);
        EXPECT_EQ(x[i], static_cast<double>(Sqrt(1.5L) * g + -0.5L * x[i - 1])) << i;
    }
}

TEST_F(ArModelTest, UnitCorrelationRepeatsTheFirstValue) {
    std::array<double, 5> x{};
    GenerateAr1(1.0, 1.0, Ar1DrivingVariance(1.0, 1.0), x.data(), 5);
    for (const double v : x) {
        EXPECT_EQ(v, x[0]);
    }
}

TEST_F(ArModelTest, NegativeVarianceFailsBeforeAnyDraw) {
    std::array<double, 3> x{};
    EXPECT_THROW(GenerateAr1(0.8, -1.0, 0.36, x.data(), 3), InvalidOperation);
    EXPECT_EQ(RandomGeneratorState(), 0u);
}

TEST_F(ArModelTest, NegativeDrivingVarianceFailsAtTheSecondElementAfterOneDraw) {
    std::array<double, 3> x{};
    const double q = Ar1DrivingVariance(1.1, 1.0);
    EXPECT_LT(q, 0.0);
    try {
        GenerateAr1(1.1, 1.0, q, x.data(), 3);
        FAIL() << "no error";
    } catch (const InvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_EQ(RandomGeneratorState(), StateAfterNormals(0, 1));
    EXPECT_NEAR(x[0], 0.398435, 5e-7);
}

TEST_F(ArModelTest, SecondOrderCoefficientsOfTheDefaultInputs) {
    const Ar2Coefficients c = YuleWalker2(0.8, 0.9);
    EXPECT_NEAR(c.a1, 0.222222, 5e-7);
    EXPECT_NEAR(c.a2, 0.722222, 5e-7);
    EXPECT_NEAR(Ar2DrivingVariance(c, 0.8, 0.9, 1.0), 0.172222, 5e-7);
    std::array<double, 4> rho{};
    Ar2NormalisedCorrelation(c, rho.data(), 4);
    EXPECT_EQ(rho[0], 1.0);
    EXPECT_NEAR(rho[1], 0.8, 1e-14);
    EXPECT_NEAR(rho[2], 0.9, 1e-14);
    EXPECT_NEAR(rho[3], 0.777778, 5e-7);
}

TEST_F(ArModelTest, YuleWalkerUsesTheStoredTwoByTwoInverse) {
    const double r1 = 0.3;
    const double r2 = -0.2;
    const Extended den = 1.0L - static_cast<Extended>(r1) * r1;
    const double d = static_cast<double>(1.0L / den);
    const double o = static_cast<double>(-1.0L / den * r1);
    const Ar2Coefficients c = YuleWalker2(r1, r2);
    EXPECT_EQ(c.a1, static_cast<double>(static_cast<Extended>(d) * r1 + static_cast<Extended>(o) * r2));
    EXPECT_EQ(c.a2, static_cast<double>(static_cast<Extended>(o) * r1 + static_cast<Extended>(d) * r2));
}

TEST_F(ArModelTest, UnitLagOneCorrelationDividesByZero) {
    EXPECT_THROW(YuleWalker2(1.0, 0.9), DivisionByZero);
    try {
        YuleWalker2(-1.0, 0.5);
        FAIL() << "no error";
    } catch (const DivisionByZero& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
}

TEST_F(ArModelTest, CorrelationWithUnitA2) {
    std::array<double, 3> rho{};
    EXPECT_THROW(Ar2NormalisedCorrelation(Ar2Coefficients{0.5, 1.0}, rho.data(), 3), DivisionByZero);
    EXPECT_THROW(Ar2NormalisedCorrelation(Ar2Coefficients{0.0, 1.0}, rho.data(), 3), InvalidOperation);
}

TEST_F(ArModelTest, SecondOrderSequenceAndItsDraws) {
    const Ar2Coefficients c = YuleWalker2(0.8, 0.9);
    const double q = Ar2DrivingVariance(c, 0.8, 0.9, 1.0);
    std::array<double, 5> x{};
    GenerateAr2(c, 1.0, q, x.data(), 5);
    EXPECT_EQ(RandomGeneratorState(), StateAfterNormals(0, 5));

    ResetRandomGenerator();
    const Extended g0 = RandomNormal(0.0L, 1.0L);
    const Extended g1 = RandomNormal(0.0L, 1.0L);
    const Extended g2 = RandomNormal(0.0L, 1.0L);
    const Extended a1 = c.a1;
    const Extended a2 = c.a2;
    EXPECT_EQ(x[0], static_cast<double>(1.0L * g0));
    EXPECT_EQ(x[1], static_cast<double>(Sqrt(static_cast<Extended>(q)) * g1 + a1 * x[0]));
    EXPECT_EQ(x[2],
              static_cast<double>(Sqrt(static_cast<Extended>(q)) * g2 + (a1 * x[1] + a2 * x[0])));
}

TEST_F(ArModelTest, NonStationarySecondOrderFailsAtTheSecondElement) {
    const Ar2Coefficients c = YuleWalker2(0.8, 0.1);
    const double q = Ar2DrivingVariance(c, 0.8, 0.1, 1.0);
    EXPECT_LT(q, 0.0);
    std::array<double, 4> x{};
    EXPECT_THROW(GenerateAr2(c, 1.0, q, x.data(), 4), InvalidOperation);
    EXPECT_EQ(RandomGeneratorState(), StateAfterNormals(0, 1));
}

TEST_F(ArModelTest, ExplodingRecursionOverflows) {
    std::array<double, 2000> x{};
    EXPECT_THROW(GenerateAr2(Ar2Coefficients{3.0, 3.0}, 1.0, 1.0, x.data(), 2000), FloatingOverflow);
}

TEST_F(ArModelTest, ObservationNoiseAddsOneScaledVariatePerElement) {
    const std::array<double, 3> x{1.0, -2.0, 0.5};
    std::array<double, 3> y{};
    AddObservationNoise(x.data(), 4.0, y.data(), 3);
    ResetRandomGenerator();
    for (int k = 0; k < 3; ++k) {
        const Extended g = RandomNormal(0.0L, 1.0L);
        EXPECT_EQ(y[k], static_cast<double>(2.0L * g + x[k])) << k;
    }
}

TEST_F(ArModelTest, NegativeNoiseVarianceFailsBeforeAnyDraw) {
    const std::array<double, 2> x{};
    std::array<double, 2> y{};
    EXPECT_THROW(AddObservationNoise(x.data(), -4.0, y.data(), 2), InvalidOperation);
    EXPECT_EQ(RandomGeneratorState(), 0u);
}

}  // namespace
}  // namespace strs
