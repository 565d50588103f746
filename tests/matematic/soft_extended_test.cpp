// The software extended type gives the x87's results bit for bit: a sample of the
// comparison that bench/soft_extended_sweep runs in full.

#include <gtest/gtest.h>

#include "support/soft_extended_check.h"

namespace strs::operands {
namespace {

TEST(SoftExtended, EveryOperationMatchesTheX87OnEveryOperandClass) {
    constexpr long kCasesPerOperation = 200000;
    for (const Operation& op : Operations()) {
        std::string report;
        EXPECT_EQ(CountDifferences(op, kCasesPerOperation, 7, report), 0) << report;
    }
}

}  // namespace
}  // namespace strs::operands
