#pragma once
// Small readers shared by the lab page tests.

#include "matematic/random.h"
#include "shell/chart_widget.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace strs::testing {

// The y values of a series, in order.
inline std::vector<double> Values(const ChartSeries* series) {
    std::vector<double> v;
    for (const ChartPoint& p : series->points())
        v.push_back(p.y);
    return v;
}

// Six decimals, as the reference values are given.
inline double Round6(double v) { return std::round(v * 1e6) / 1e6; }

// The generator's state after `draws` normal variates from the start state; the
// generator itself is left as it was.
inline std::uint32_t StateAfterNormalDraws(int draws) {
    const std::uint32_t saved = RandomGeneratorState();
    ResetRandomGenerator();
    for (int i = 0; i < draws; ++i)
        RandomNormal(0.0L, 1.0L);
    const std::uint32_t state = RandomGeneratorState();
    SetRandomGeneratorState(saved);
    return state;
}

}  // namespace strs::testing
