#pragma once
// The sample mean and the sample variance (divisor N - 1), summed in index order into
// double accumulators.

#include "labs/random_variable/sample.h"

namespace strs::random_variable {

// Throws FloatingOverflow when a sum leaves the double range.
Moments SampleMoments(const Sample& x);

}  // namespace strs::random_variable
