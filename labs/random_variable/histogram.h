#pragma once
// The histogram of a sample: 15 equal bins between the sample's minimum and maximum,
// and the five values of the range scale printed under it.

#include <array>

#include "labs/random_variable/sample.h"

namespace strs::random_variable {

inline constexpr int kBins = 15;

struct Histogram {
    double min = 0.0;
    double max = 0.0;
    // Raw counts, whole values, bin 1 first. Bin k holds the values with
    // e(k-1) < x <= e(k), bin 1 also the minimum itself; e(j) = min + (max - min) * (j / 15).
    std::array<double, kBins> counts{};
};

Histogram CountHistogram(const Sample& x);

// min, the first quarter point, the midpoint, the third quarter point, max; each
// quarter point is the midpoint of the midpoint and an end.
std::array<double, 5> RangeScale(double min, double max);

}  // namespace strs::random_variable
