#include "matematic/axis_ticks.h"

#include <gtest/gtest.h>

#include <limits>

namespace strs {
namespace {

TEST(AxisExtent, EmptyEqualAndSpreadData) {
    AxisExtent extent;
    EXPECT_EQ(extent.range().lo, 0);
    EXPECT_EQ(extent.range().hi, 1);

    extent.include(std::numeric_limits<double>::quiet_NaN());  // ignored
    extent.include(5.0);
    EXPECT_EQ(extent.range().lo, 4.5L);  // a tenth of the value either side
    EXPECT_EQ(extent.range().hi, 5.5L);

    extent.include(-2.0);
    extent.include(std::numeric_limits<double>::infinity());  // ignored
    EXPECT_EQ(extent.range().lo, -2.0L);
    EXPECT_EQ(extent.range().hi, 5.0L);

    AxisExtent zero;
    zero.include(0.0);
    EXPECT_EQ(zero.range().lo, -1.0L);
    EXPECT_EQ(zero.range().hi, 1.0L);
}

TEST(AxisStep, NiceStepsAreOneTwoFiveTimesAPowerOfTen) {
    EXPECT_EQ(double(NiceStepAtLeast(0.7L)), 1.0);
    EXPECT_EQ(double(NiceStepAtLeast(1.0L)), 1.0);
    EXPECT_EQ(double(NiceStepAtLeast(1.01L)), 2.0);
    EXPECT_EQ(double(NiceStepAtLeast(3.0L)), 5.0);
    EXPECT_EQ(double(NiceStepAtLeast(6.0L)), 10.0);
    // Exact powers of ten and their neighbours, far from 1 both ways.
    EXPECT_EQ(NiceStepAtLeast(1e20L), 1e20L);
    EXPECT_EQ(double(NiceStepAtLeast(1.5e300L)), 2e300);
    EXPECT_EQ(NiceStepAtLeast(0.001L), 0.001L);
    EXPECT_EQ(NiceStepAtLeast(0.0011L), 0.002L);
    EXPECT_EQ(double(NiceStepAtLeast(4e-320L)), 5e-320);
    EXPECT_EQ(double(NextNiceStep(2.0L)), 5.0);
    EXPECT_EQ(double(StepForCount({0, 100}, 4)), 50.0);
    EXPECT_EQ(double(StepForCount({0, 100}, 0)), 100.0);  // at least one interval
}

TEST(AxisTicks, MultiplesOfTheStepWithinTheRange) {
    const std::vector<AxisValue> ticks = TickValues({-0.3L, 1.1L}, 0.5L);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(double(ticks[0]), 0.0);
    EXPECT_EQ(double(ticks[2]), 1.0);

    // The count is capped; values beyond the double range get no tick.
    EXPECT_EQ(TickValues({0, 1000}, 1).size(), std::size_t(kMaxAxisTicks));
    const std::vector<AxisValue> huge = TickValues({-1e308L, 1e308L}, 1e308L);
    EXPECT_EQ(huge.size(), 3u);
    EXPECT_EQ(TickValues({1e308L, 4e308L}, 1e308L).size(), 1u);  // 2e308 has no double
}

TEST(AxisMap, LinearAndPinnedFarOutside) {
    const AxisMap downwards({0, 10}, 200, 0);  // a y axis: lo at the bottom pixel
    EXPECT_EQ(downwards(0), 200.0);
    EXPECT_EQ(downwards(2.5L), 150.0);
    EXPECT_EQ(downwards(10), 0.0);
    EXPECT_EQ(downwards(-1e30L), 1e5);
    EXPECT_EQ(downwards(1e30L), -1e5);
}

}  // namespace
}  // namespace strs
