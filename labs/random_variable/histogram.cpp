#include "labs/random_variable/histogram.h"

#include <algorithm>

#include "matematic/extended.h"

namespace strs::random_variable {

Histogram CountHistogram(const Sample& x) {
    Histogram h;
    const auto [lowest, highest] = std::minmax_element(x.begin(), x.end());
    h.min = *lowest;
    h.max = *highest;

    // Upper edges of bins 1..15, in extended precision, j / 15 taken first. The last
    // edge is the maximum itself, so the largest value always lands in the last bin.
    std::array<Extended, kBins> upper{};
    for (int j = 1; j <= kBins; ++j)
        upper[j - 1] = h.min + (Extended(h.max) - h.min) * (Extended(j) / kBins);
    upper[kBins - 1] = h.max;

    for (double value : x) {
        int k = 0;
        while (k < kBins - 1 && upper[k] < value)
            ++k;
        h.counts[k] += 1.0;
    }
    return h;
}

std::array<double, 5> RangeScale(double min, double max) {
    const double mid = static_cast<double>((Extended(min) + max) / 2);
    return {min, static_cast<double>((Extended(min) + mid) / 2), mid,
            static_cast<double>((Extended(max) + mid) / 2), max};
}

}  // namespace strs::random_variable
