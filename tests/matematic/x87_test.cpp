#include "matematic/x87.h"

#include <gtest/gtest.h>

namespace strs {
namespace {

TEST(X87RoundHalfEven, TiesGoToEvenInEveryRoundingMode) {
    const std::uint16_t upward = kExtendedPrecisionControlWord | 0x0800;
    SetX87ControlWord(upward);
    const long double fromHalf = X87RoundHalfEven(2.5L);
    const long double fromMinusHalf = X87RoundHalfEven(-3.5L);
    const long double fromAbove = X87RoundHalfEven(2.25L);
    const std::uint16_t after = X87ControlWord();
    SetX87ControlWord(kExtendedPrecisionControlWord);
    EXPECT_EQ(fromHalf, 2.0L);
    EXPECT_EQ(fromMinusHalf, -4.0L);
    EXPECT_EQ(fromAbove, 2.0L);
    EXPECT_EQ(after, upward);  // the caller's mode is left as it was
}

}  // namespace
}  // namespace strs
