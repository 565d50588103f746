#include <gtest/gtest.h>

#include <numeric>

#include "labs/random_variable/histogram.h"

namespace strs::random_variable {
namespace {

double Total(const Histogram& h) { return std::accumulate(h.counts.begin(), h.counts.end(), 0.0); }

TEST(RandomVariableHistogramTest, EqualValuesAllFallIntoTheFirstBin) {
    Sample x;
    x.fill(1.2);
    const Histogram h = CountHistogram(x);
    EXPECT_EQ(h.min, 1.2);
    EXPECT_EQ(h.max, 1.2);
    EXPECT_EQ(h.counts[0], 1000.0);
    for (int k = 1; k < kBins; ++k)
        EXPECT_EQ(h.counts[k], 0.0) << "bin " << k + 1;
}

// With min 0 and max 15 the edges are the whole numbers 0..15.
TEST(RandomVariableHistogramTest, AValueOnAnEdgeBelongsToTheLowerBin) {
    Sample x;
    x.fill(0.0);  // the minimum: bin 1
    x[1] = 15.0;  // the maximum: bin 15
    x[2] = 7.0;   // upper edge of bin 7
    x[3] = 7.5;   // inside bin 8
    x[4] = 1.0;   // upper edge of bin 1
    const Histogram h = CountHistogram(x);
    EXPECT_EQ(h.counts[0], 997.0);  // 996 zeros and the 1
    EXPECT_EQ(h.counts[6], 1.0);
    EXPECT_EQ(h.counts[7], 1.0);
    EXPECT_EQ(h.counts[14], 1.0);
    EXPECT_EQ(Total(h), 1000.0);
}

// With min -18,5 and max 1,25 the upper edge of bin 14 is -1/15 in extended precision,
// which the double -0,066666666666666666 equals only when j / 15 is taken first:
// (max - min) * j / 15 puts the edge a hair lower and the value in bin 15.
TEST(RandomVariableHistogramTest, AnEdgeIsTheRangeTimesTheBinsShare) {
    Sample x;
    x.fill(-18.5);
    x[1] = 1.25;
    x[2] = -0.066666666666666666;
    const Histogram h = CountHistogram(x);
    EXPECT_EQ(h.counts[13], 1.0);
    EXPECT_EQ(h.counts[14], 1.0);
}

TEST(RandomVariableHistogramTest, CountsAlwaysAddUpToTheSampleSize) {
    Sample x;
    for (int i = 0; i < kSampleSize; ++i)
        x[i] = (i * 7919 % 1000) * 0.37 - 100.0;
    const Histogram h = CountHistogram(x);
    EXPECT_EQ(h.min, -100.0);
    EXPECT_EQ(Total(h), 1000.0);
}

TEST(RandomVariableHistogramTest, AWideRangeStillCountsTheMaximumInTheLastBin) {
    Sample x;
    x.fill(-1e-300);
    x[500] = 1.7e308;
    const Histogram h = CountHistogram(x);
    EXPECT_EQ(h.counts[0], 999.0);
    EXPECT_EQ(h.counts[14], 1.0);
}

TEST(RandomVariableHistogramTest, RangeScaleHalvesTowardsTheEnds) {
    const auto scale = RangeScale(0.0, 4.0);
    EXPECT_EQ(scale, (std::array<double, 5>{0.0, 1.0, 2.0, 3.0, 4.0}));
    const auto same = RangeScale(1.2, 1.2);
    for (double v : same)
        EXPECT_EQ(v, 1.2);
}

TEST(RandomVariableHistogramTest, RangeScaleMidpointIsStoredAsADouble) {
    // c = (min + max) / 2 is rounded to double before the quarter points use it.
    const double min = 1.2;
    const double max = 1.5;
    const double c = static_cast<double>((static_cast<long double>(min) + max) / 2);
    const auto scale = RangeScale(min, max);
    EXPECT_EQ(scale[2], c);
    EXPECT_EQ(scale[1], static_cast<double>((static_cast<long double>(min) + c) / 2));
    EXPECT_EQ(scale[3], static_cast<double>((static_cast<long double>(max) + c) / 2));
}

}  // namespace
}  // namespace strs::random_variable
