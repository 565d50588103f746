// The software type's fast steps give the x87's results bit for bit: a sample of the
// comparison that bench/soft_extended_sweep runs in full.

#include <gtest/gtest.h>

#include "support/kernel_check.h"

namespace strs::kernels {
namespace {

TEST(SoftKernels, EveryStepMatchesTheX87OnEveryOperandClass) {
    constexpr long kCasesPerStep = 200000;
    for (const Step& step : Steps()) {
        std::string report;
        EXPECT_EQ(CountDifferences(step, kCasesPerStep, 7, report), 0) << report;
    }
}

}  // namespace
}  // namespace strs::kernels
