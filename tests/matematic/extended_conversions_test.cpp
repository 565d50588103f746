// The extended type's conversions to bool and to the integers of 32 and 64 bits give what
// the x87 gives, on every processor: a fraction is true, and a number beyond an integer
// type's range the x87's integer indefinite (the most negative number of the width it
// stores), cut to the type. bench/soft_extended_sweep holds every class of operand against
// the x87 itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "matematic/extended.h"

namespace strs {
namespace {

// v read at run time: the compiler folds an out-of-range conversion of a constant its own way.
Extended X(double v) {
    volatile double runtime = v;
    return runtime;
}

TEST(ExtendedConversions, OnlyZerosAreFalse) {
    const Extended tiny = Extended(-1e-300) * 1e-300;  // no double, an extended number
    EXPECT_TRUE(static_cast<bool>(Extended(0.5)));
    EXPECT_TRUE(static_cast<bool>(tiny));
    EXPECT_TRUE(static_cast<bool>(std::numeric_limits<Extended>::quiet_NaN()));
    EXPECT_FALSE(static_cast<bool>(Extended(-0.0)));
}

TEST(ExtendedConversions, OutOfRangeGivesTheIntegerIndefinite) {
    EXPECT_EQ(static_cast<std::int32_t>(X(3e9)), INT32_MIN);
    EXPECT_EQ(static_cast<std::int64_t>(X(-1e19)), INT64_MIN);
    EXPECT_EQ(static_cast<std::uint32_t>(X(-3e9)), 1294967296u);  // stored as 64 bits, then cut
    EXPECT_EQ(static_cast<std::uint32_t>(X(5e19)), 0u);
    EXPECT_EQ(static_cast<std::uint64_t>(X(2e19)), 0u);
    EXPECT_EQ(static_cast<std::uint64_t>(X(1.8e19)), 18000000000000000000u);
    EXPECT_EQ(static_cast<std::int32_t>(X(std::numeric_limits<double>::infinity())), INT32_MIN);
    EXPECT_EQ(static_cast<std::int32_t>(X(-2147483648.9)), INT32_MIN);
    EXPECT_EQ(static_cast<std::int32_t>(X(2147483647.9)), INT32_MAX);
}

}  // namespace
}  // namespace strs
