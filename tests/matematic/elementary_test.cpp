// Ln and Exp against MPFR: the special values, a sample of every argument walk, and the
// cases hardest to round, which need the slower, more precise attempts.

#include "matematic/elementary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "support/elementary_oracle.h"

namespace strs {
namespace {

using oracle::Function;

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kLargest = std::numeric_limits<Extended>::max();
constexpr Extended kSmallestNormal = std::numeric_limits<Extended>::min();
constexpr Extended kSmallest = std::numeric_limits<Extended>::denorm_min();

Extended Evaluate(Function f, Extended x) { return f == Function::kLn ? Ln(x) : Exp(x); }

std::string Describe(Function f, Extended x, Extended got, Extended want) {
    char text[160];
    std::snprintf(text, sizeof text, "%s(%La) = %La, MPFR %La", f == Function::kLn ? "ln" : "exp",
                  static_cast<long double>(x), static_cast<long double>(got), static_cast<long double>(want));
    return text;
}

struct Special {
    Function function;
    Extended x;
    Extended expected;
};

TEST(ElementaryFunctions, SpecialValuesFollowTheContracts) {
    const Special specials[] = {
        {Function::kLn, 1.0L, 0.0L},          {Function::kLn, 0.0L, -kInf},
        {Function::kLn, -0.0L, -kInf},        {Function::kLn, kInf, kInf},
        {Function::kLn, -kInf, kNaN},         {Function::kLn, -1.0L, kNaN},
        {Function::kLn, -kSmallest, kNaN}, {Function::kLn, kNaN, kNaN},
        {Function::kExp, 0.0L, 1.0L},         {Function::kExp, -0.0L, 1.0L},
        {Function::kExp, kInf, kInf},         {Function::kExp, -kInf, 0.0L},
        {Function::kExp, kNaN, kNaN},         {Function::kExp, 11357.0L, kInf},
        {Function::kExp, 1e300L, kInf},       {Function::kExp, -1e300L, 0.0L},
        {Function::kExp, -11400.0L, 0.0L},    {Function::kExp, 0x1p-71L, 1.0L},
        {Function::kExp, -0x1p-71L, 1.0L},    {Function::kExp, kSmallest, 1.0L},
    };
    for (const Special& s : specials) {
        const Extended got = Evaluate(s.function, s.x);
        EXPECT_TRUE(oracle::SameResult(got, s.expected)) << Describe(s.function, s.x, got, s.expected);
    }
    EXPECT_EQ(oracle::kOverflowEdge, oracle::Reference(Function::kLn, kLargest));
    EXPECT_EQ(oracle::kSubnormalEdge, oracle::Reference(Function::kLn, kSmallestNormal));
    EXPECT_EQ(oracle::kZeroEdge, oracle::Reference(Function::kLn, kSmallest) - oracle::Reference(Function::kLn, 2));
    // The arguments and results at the ends of the format, against MPFR.
    const Special extremes[] = {
        {Function::kLn, kSmallest, 0},   {Function::kLn, 3 * kSmallest, 0},
        {Function::kLn, kSmallestNormal, 0},        {Function::kLn, kLargest, 0},
        {Function::kLn, 2.0L, 0},            {Function::kExp, 1.0L, 0},
        {Function::kExp, 11356.5L, 0},       {Function::kExp, -11355.5L, 0},
        {Function::kExp, -11399.0L, 0},      {Function::kExp, -11399.6L, 0},
    };
    for (const Special& s : extremes) {
        const Extended got = Evaluate(s.function, s.x);
        const Extended want = oracle::Reference(s.function, s.x);
        EXPECT_TRUE(oracle::SameResult(got, want)) << Describe(s.function, s.x, got, want);
    }
}

// The default suite's sample of the sweep that bench/elementary_sweep runs in full.
TEST(ElementaryFunctions, EveryWalkAgreesWithMpfr) {
    constexpr int kArgumentsPerWalk = 20000;
    for (const oracle::Walk& walk : oracle::Walks()) {
        oracle::Stream stream;
        Extended previous = kNaN;
        int mismatches = 0;
        for (int n = 0; n < kArgumentsPerWalk; ++n) {
            const Extended x = walk.argument(stream, previous);
            const Extended got = Evaluate(walk.function, x);
            const Extended want = oracle::Reference(walk.function, x);
            if (!oracle::SameResult(got, want) && ++mismatches <= 3) {
                ADD_FAILURE() << walk.name << ": " << Describe(walk.function, x, got, want);
            }
        }
        EXPECT_EQ(mismatches, 0) << walk.name;
    }
}

// Exact values that lie a hair from the middle of two extended numbers, which the first
// attempt cannot decide and the second must: e^x = 1 + x + x^2/2 + ... for x = k 2^-64
// (k odd), just above the middle between 1 + (k-1) 2^-64 and 1 + (k+1) 2^-64; likewise
// ln(1 + z) = z - z^2/2 + ... for z = k 2^-63 or -k 2^-64; and the arguments that the
// sweep found the first attempt undecided on: one of 1.6e8 in the labs' ranges, two of
// 2e7 where e^x is subnormal.
TEST(ElementaryFunctions, CasesNextToTheMiddleTakeTheSlowerAttemptAndRoundRight) {
    const Special cases[] = {
        {Function::kExp, 0x1p-64L, 0},      {Function::kExp, 3 * 0x1p-64L, 0},
        {Function::kExp, 5 * 0x1p-64L, 0},  {Function::kExp, -0x1p-65L, 0},
        {Function::kExp, -3 * 0x1p-65L, 0}, {Function::kExp, -0xc.48e9e5faed7b61p-7L, 0},
        {Function::kLn, 1 + 6 * 0x1p-63L, 0}, {Function::kLn, 1 + 20 * 0x1p-63L, 0},
        {Function::kLn, 1 - 2 * 0x1p-64L, 0}, {Function::kLn, 1 - 12 * 0x1p-64L, 0},
        {Function::kExp, -0xb.16c8c671209a5f1p+10L, 0}, {Function::kExp, -0xb.16057f6db0463a7p+10L, 0},
    };
    for (const Special& c : cases) {
        const ElementarySlowPaths before = ElementarySlowPathCounts();
        const Extended got = Evaluate(c.function, c.x);
        const ElementarySlowPaths after = ElementarySlowPathCounts();
        const Extended want = oracle::Reference(c.function, c.x);
        EXPECT_TRUE(oracle::SameResult(got, want)) << Describe(c.function, c.x, got, want);
        const bool slow = c.function == Function::kLn ? after.ln > before.ln : after.exp > before.exp;
        EXPECT_TRUE(slow) << Describe(c.function, c.x, got, want) << " was decided by the first attempt";
    }
}

}  // namespace
}  // namespace strs
