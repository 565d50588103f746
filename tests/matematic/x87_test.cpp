#include "matematic/x87.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace strs {
namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

TEST(X87Exp, EdgesThatTheCheckedExponentialReliesOn) {
    EXPECT_EQ(Exp(0.0L), 1.0L);
    EXPECT_EQ(Exp(1.0L), 2.718281828459045235360287L);  // e to the last bit
    EXPECT_EQ(Exp(kInf), kInf);
    EXPECT_EQ(Exp(-kInf), 0.0L);
    EXPECT_TRUE(std::isnan(Exp(kNaN)));
    EXPECT_EQ(Exp(11357.0L), kInf);  // just past the extended range
    EXPECT_EQ(Exp(1e300L), kInf);
    EXPECT_EQ(Exp(-1e300L), 0.0L);
    EXPECT_EQ(Exp(0x1p-70L), 1.0L);
}

TEST(X87Ln, EdgesThatTheCheckedLogarithmReliesOn) {
    EXPECT_EQ(Ln(1.0L), 0.0L);
    EXPECT_FALSE(std::signbit(Ln(1.0L)));
    EXPECT_EQ(Ln(0.0L), -kInf);
    EXPECT_EQ(Ln(kInf), kInf);
    EXPECT_EQ(Ln(2.0L), 0.6931471805599453094172321L);  // ln 2 to the last bit
    EXPECT_TRUE(std::isnan(Ln(-1.0L)));
}

TEST(X87RoundHalfEven, TiesGoToEvenInEveryRoundingMode) {
    const std::uint16_t upward = kExtendedPrecisionControlWord | 0x0800;
    SetX87ControlWord(upward);
    const Extended fromHalf = RoundHalfEven(2.5L);
    const Extended fromMinusHalf = RoundHalfEven(-3.5L);
    const Extended fromAbove = RoundHalfEven(2.25L);
    const std::uint16_t after = X87ControlWord();
    SetExtendedPrecisionMode();
    EXPECT_EQ(fromHalf, 2.0L);
    EXPECT_EQ(fromMinusHalf, -4.0L);
    EXPECT_EQ(fromAbove, 2.0L);
    EXPECT_EQ(after, upward);  // the caller's mode is left as it was
}

}  // namespace
}  // namespace strs
