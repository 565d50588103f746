#include <gtest/gtest.h>

#include <cmath>

#include "matematic/errors.h"
#include "matematic/gamma.h"

namespace strs {
namespace {

// Six significant digits of the expected value.
void ExpectSixDigits(double x, double expected) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(GammaApprox(x), expected, std::fabs(expected) * 6e-6);
}

TEST(GammaApproxTest, BelowMinusFiveIsZero) {
    EXPECT_EQ(GammaApprox(-6.0), 0.0);
    EXPECT_EQ(GammaApprox(-5.000001), 0.0);
    EXPECT_EQ(GammaApprox(-1e300), 0.0);
}

TEST(GammaApproxTest, NegativeArgumentsUseTheirIntervalPolynomial) {
    ExpectSixDigits(-5.0, -0.195937);
    ExpectSixDigits(-4.5, -0.0589541);
}

TEST(GammaApproxTest, PolesTakeThePolynomialOfTheIntervalStartingThere) {
    ExpectSixDigits(-4.0, 1.00551);
    ExpectSixDigits(-3.0, -4.394);
    ExpectSixDigits(-2.0, 11.7028);
    ExpectSixDigits(-1.0, -28.0771);
    ExpectSixDigits(0.0, 26.8273);
}

TEST(GammaApproxTest, SmallArgumentsUseTheirOwnPolynomialBelowOneTenth) {
    ExpectSixDigits(0.05, 19.6548);
    // 0.1 is outside 0 < x < 0.1 and takes the polynomial of 0 <= x < 1.
    ExpectSixDigits(0.1, 9.77695);
}

TEST(GammaApproxTest, UnitIntervalValues) {
    ExpectSixDigits(0.5, 1.73852);
    ExpectSixDigits(0.8, 1.10546);
}

TEST(GammaApproxTest, FromPointEightyOneToOneIsExactlyOne) {
    EXPECT_EQ(GammaApprox(0.81), 1.0);
    EXPECT_EQ(GammaApprox(0.9), 1.0);
    EXPECT_EQ(GammaApprox(std::nextafter(1.0, 0.0)), 1.0);
    EXPECT_NE(GammaApprox(std::nextafter(0.81, 0.0)), 1.0);
}

TEST(GammaApproxTest, PositiveArgumentValues) {
    ExpectSixDigits(1.0, 0.999484);
    ExpectSixDigits(1.5, 0.88623);
    ExpectSixDigits(2.0, 0.999984);
    ExpectSixDigits(3.0, 2.00036);
    ExpectSixDigits(5.0, 23.9812);
}

TEST(GammaApproxTest, TenAndAboveUseOneUnboundedPolynomial) {
    EXPECT_NEAR(GammaApprox(10.0), 342000.0, 1000.0);
    ExpectSixDigits(20.0, 5.70839e9);
}

TEST(GammaApproxTest, IntervalPolynomialIsSummedTermByTermInExtended) {
    // 2 <= x < 3 row, evaluated here independently with the same order of terms.
    const long double x = 2.5L;
    const long double expected = 0.00236453L * (x * x * x * x * x * x) + -0.00768711L * (x * x * x * x * x)
                                 + -0.0132851L * (x * x * x * x) + 0.128716L * (x * x * x)
                                 + 0.00281922L * (x * x) + -0.546586L * x + 1.35937L;
    EXPECT_EQ(GammaApprox(2.5), static_cast<double>(expected));
}

TEST(GammaApproxTest, OverflowsBeyondTheDoubleRange) {
    EXPECT_TRUE(std::isfinite(GammaApprox(9.0e50)));
    EXPECT_THROW(GammaApprox(9.3e50), FloatingOverflow);
    EXPECT_THROW(GammaApprox(1e300), FloatingOverflow);
}

TEST(GammaApproxTest, OverflowCarriesTheSystemMessage) {
    try {
        GammaApprox(1e100);
        FAIL() << "no overflow";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

}  // namespace
}  // namespace strs
