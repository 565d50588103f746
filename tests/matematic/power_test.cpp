#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "matematic/errors.h"
#include "matematic/extended.h"
#include "matematic/power.h"

namespace strs {
namespace {

TEST(IntPowerTest, ZeroExponentGivesOneForEveryBase) {
    EXPECT_EQ(IntPower(0.0L, 0), 1.0L);
    EXPECT_EQ(IntPower(-3.5L, 0), 1.0L);
    EXPECT_EQ(IntPower(1e4000L, 0), 1.0L);
}

TEST(IntPowerTest, NegativeBaseAlternatesSign) {
    EXPECT_EQ(IntPower(-0.5L, 1), -0.5L);
    EXPECT_EQ(IntPower(-0.5L, 2), 0.25L);
    EXPECT_EQ(IntPower(-2.0L, 7), -128.0L);
}

TEST(IntPowerTest, NegativeExponentIsTheReciprocal) {
    EXPECT_EQ(IntPower(2.0L, -3), 0.125L);
    EXPECT_EQ(IntPower(-4.0L, -1), -0.25L);
}

TEST(IntPowerTest, MultipliesTheSquaresOfTheSetBits) {
    // 0.8^13 = 0.8 * 0.8^4 * 0.8^8, in that order of multiplication.
    const Extended b = 0.8L;
    const Extended b2 = b * b;
    const Extended b4 = b2 * b2;
    const Extended b8 = b4 * b4;
    EXPECT_EQ(IntPower(b, 13), ((1.0L * b) * b4) * b8);
}

TEST(IntPowerTest, ZeroToANegativePowerDividesByZero) { EXPECT_THROW(IntPower(0.0L, -2), DivisionByZero); }

TEST(IntPowerTest, ExtendedOverflowIsReported) { EXPECT_THROW(IntPower(1e300L, 100), FloatingOverflow); }

TEST(IntPowerTest, LargestMagnitudeExponentsWork) {
    EXPECT_EQ(IntPower(1.0L, std::numeric_limits<int>::min()), 1.0L);
    EXPECT_EQ(IntPower(-1.0L, std::numeric_limits<int>::max()), -1.0L);
}

TEST(PowerTest, ZeroExponentGivesOne) {
    EXPECT_EQ(Power(0.0L, 0.0L), 1.0L);
    EXPECT_EQ(Power(-2.0L, 0.0L), 1.0L);
}

TEST(PowerTest, ZeroBaseWithPositiveExponentGivesZero) {
    EXPECT_EQ(Power(0.0L, 0.5L), 0.0L);
    EXPECT_EQ(Power(0.0L, 3.0L), 0.0L);
}

TEST(PowerTest, IntegralExponentUsesIntPowerAndAcceptsNegativeBase) {
    EXPECT_EQ(Power(-2.0L, 3.0L), -8.0L);
    EXPECT_EQ(Power(-2.0L, -2.0L), 0.25L);
    EXPECT_EQ(Power(0.8L, 13.0L), IntPower(0.8L, 13));
}

TEST(PowerTest, FractionalExponentIsExpOfYTimesLnX) {
    EXPECT_EQ(Power(2.0L, 0.5L), std::exp(0.5L * std::log(2.0L)));
    EXPECT_NEAR(static_cast<double>(Power(1.2L, -1.0L / 1.5L)), std::pow(1.2, -1.0 / 1.5), 1e-15);
}

TEST(PowerTest, IntegralExponentBeyondIntRangeGoesThroughTheLogarithm) {
    EXPECT_THROW(Power(-2.0L, 4294967296.0L), InvalidOperation);
    EXPECT_EQ(Power(1.0L, 4294967296.0L), 1.0L);
}

TEST(PowerTest, NegativeBaseWithFractionalExponentIsInvalid) {
    EXPECT_THROW(Power(-1.2L, 1.0L / 1.5L), InvalidOperation);
}

TEST(PowerTest, ZeroBaseWithNegativeExponent) {
    EXPECT_THROW(Power(0.0L, -0.5L), DivisionByZero);  // ln 0
    EXPECT_THROW(Power(0.0L, -2.0L), DivisionByZero);  // 1 / 0^2
}

TEST(PowerTest, HugeResultOverflows) { EXPECT_THROW(Power(10.0L, 5000.5L), FloatingOverflow); }

}  // namespace
}  // namespace strs
