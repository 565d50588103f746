#pragma once
// The fixed-size arrays of one press of the random variable page.

#include <array>

namespace strs::random_variable {

inline constexpr int kSampleSize = 1000;  // values drawn per press, for every law
inline constexpr int kCurvePoints = 100;  // points of a density curve

using Sample = std::array<double, kSampleSize>;
using Curve = std::array<double, kCurvePoints>;

struct Moments {
    double mean = 0.0;
    double variance = 0.0;
};

}  // namespace strs::random_variable
