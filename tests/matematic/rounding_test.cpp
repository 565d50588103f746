#include <gtest/gtest.h>

#include "matematic/rounding.h"

namespace strs {
namespace {

struct RoundingCase {
    double x;
    double expected;
};

TEST(RoundTo3Test, LiftsToTheNextThousandthAccordingToTheExtendedProduct) {
    const RoundingCase cases[] = {
        {0.8, 0.801}, {0.9, 0.901},   {1.35, 1.351},   {0.7, 0.7},     {0.846, 0.846}, {1.0, 1.0},
        {1.5, 1.5},   {0.125, 0.126}, {1.2344, 1.235}, {0.001, 0.002}, {-0.9, -0.9},   {-1.2344, -1.234},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(RoundTo3(c.x), c.expected);
    }
}

TEST(RoundTo2Test, LiftsToTheNextHundredthAccordingToTheExtendedProduct) {
    const RoundingCase cases[] = {
        {0.8, 0.81}, {0.25, 0.26}, {0.5, 0.5}, {0.15, 0.15}, {-0.25, -0.24}, {1.2344, 1.24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(RoundTo2(c.x), c.expected);
    }
}

TEST(RoundTo3Test, WholeThousandthsStayWhenEvenAndGoUpWhenOdd) {
    EXPECT_EQ(RoundTo3(0.0), 0.0);
    EXPECT_EQ(RoundTo3(2.0), 2.0);
    EXPECT_EQ(RoundTo3(0.5), 0.5);      // 500: even
    EXPECT_EQ(RoundTo3(0.125), 0.126);  // 125: odd
}

}  // namespace
}  // namespace strs
