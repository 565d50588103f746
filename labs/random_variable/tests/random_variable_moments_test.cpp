#include <gtest/gtest.h>

#include "labs/random_variable/moments.h"
#include "matematic/errors.h"

namespace strs::random_variable {
namespace {

TEST(RandomVariableMomentsTest, VarianceDividesBy999) {
    Sample x;
    for (int i = 0; i < kSampleSize; ++i)
        x[i] = i % 2 == 0 ? 1.0 : 3.0;
    const Moments m = SampleMoments(x);
    EXPECT_EQ(m.mean, 2.0);
    EXPECT_EQ(m.variance, 1000.0 / 999.0);
}

TEST(RandomVariableMomentsTest, EqualValuesLeaveASummationResidue) {
    // 1000 additions of 1.2 do not give exactly 1200: the mean lies just above 1.2.
    Sample x;
    x.fill(1.2);
    const Moments m = SampleMoments(x);
    EXPECT_GT(m.mean, 1.2);
    EXPECT_LT(m.mean, 1.2 + 1e-12);
    EXPECT_GE(m.variance, 0.0);
    EXPECT_LT(m.variance, 1e-24);
}

TEST(RandomVariableMomentsTest, ASumBeyondTheDoubleRangeOverflows) {
    Sample x;
    x.fill(1e306);
    EXPECT_THROW(SampleMoments(x), FloatingOverflow);
}

TEST(RandomVariableMomentsTest, SquaresBeyondTheDoubleRangeOverflow) {
    Sample x;
    for (int i = 0; i < kSampleSize; ++i)
        x[i] = i % 2 == 0 ? 1e200 : -1e200;
    EXPECT_THROW(SampleMoments(x), FloatingOverflow);
}

}  // namespace
}  // namespace strs::random_variable
