// The software extended type and its fast kernels give the x87's results bit for bit: a
// sample of the comparison that bench/soft_extended_sweep runs in full.

#include <gtest/gtest.h>

#include "support/kernel_check.h"
#include "support/soft_extended_check.h"

namespace strs {
namespace {

constexpr long kCasesEach = 200000;

template <class Checks, class Count>
void ExpectNoDifferences(const Checks& checks, Count countDifferences) {
    for (const auto& check : checks) {
        std::string report;
        EXPECT_EQ(countDifferences(check, kCasesEach, 7, report), 0) << report;
    }
}

TEST(SoftExtended, EveryOperationMatchesTheX87OnEveryOperandClass) {
    ExpectNoDifferences(operands::Operations(), operands::CountDifferences);
}

TEST(SoftExtended, EveryKernelMatchesTheX87AloneAndInPairs) {
    ExpectNoDifferences(kernels::Steps(), kernels::CountDifferences);
}

}  // namespace
}  // namespace strs
