#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "matematic/checked.h"

namespace strs {
namespace {

template <typename Fn>
std::string MessageOf(Fn fn) {
    try {
        fn();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kDivision = "Floating point division by zero";
constexpr const char* kOverflow = "Floating point overflow";

TEST(CheckedSqrtTest, RootOfNonNegative) {
    EXPECT_EQ(CheckedSqrt(2.25L), 1.5L);
    EXPECT_EQ(CheckedSqrt(0.0L), 0.0L);
    EXPECT_EQ(CheckedSqrt(-0.0L), 0.0L);
}

TEST(CheckedSqrtTest, NegativeIsInvalid) {
    EXPECT_EQ(MessageOf([] { CheckedSqrt(-1e-30L); }), kInvalid);
    EXPECT_THROW(CheckedSqrt(std::numeric_limits<long double>::quiet_NaN()), InvalidOperation);
}

TEST(CheckedLnTest, LogarithmOfPositive) { EXPECT_EQ(CheckedLn(1.0L), 0.0L); }

TEST(CheckedLnTest, NegativeIsInvalidAndZeroDividesByZero) {
    EXPECT_EQ(MessageOf([] { CheckedLn(-0.5L); }), kInvalid);
    EXPECT_EQ(MessageOf([] { CheckedLn(0.0L); }), kDivision);
}

TEST(CheckedDivTest, QuotientInExtended) { EXPECT_EQ(CheckedDiv(1.0L, 3.0L), 1.0L / 3.0L); }

TEST(CheckedDivTest, ZeroDivisor) {
    EXPECT_EQ(MessageOf([] { CheckedDiv(1.0L, 0.0L); }), kDivision);
    EXPECT_EQ(MessageOf([] { CheckedDiv(-1.0L, -0.0L); }), kDivision);
    EXPECT_EQ(MessageOf([] { CheckedDiv(0.0L, 0.0L); }), kInvalid);
}

TEST(CheckedDivTest, ExtendedOverflow) {
    EXPECT_EQ(MessageOf([] { CheckedDiv(LDBL_MAX, 0.5L); }), kOverflow);
}

TEST(CheckedExpTest, ExponentialAndOverflow) {
    EXPECT_EQ(CheckedExp(0.0L), 1.0L);
    EXPECT_EQ(MessageOf([] { CheckedExp(20000.0L); }), kOverflow);
}

TEST(StoreDoubleTest, RoundsToDouble) {
    EXPECT_EQ(StoreDouble(1.0L / 3.0L), 1.0 / 3.0);
    EXPECT_EQ(StoreDouble(static_cast<long double>(DBL_MAX)), DBL_MAX);
}

TEST(StoreDoubleTest, BeyondTheDoubleRangeOverflows) {
    EXPECT_EQ(MessageOf([] { StoreDouble(static_cast<long double>(DBL_MAX) * 2.0L); }), kOverflow);
    EXPECT_EQ(MessageOf([] { StoreDouble(-1e309L); }), kOverflow);
}

TEST(StoreDoubleTest, NotANumberIsInvalid) {
    EXPECT_EQ(MessageOf([] { StoreDouble(std::numeric_limits<long double>::quiet_NaN()); }), kInvalid);
}

}  // namespace
}  // namespace strs
