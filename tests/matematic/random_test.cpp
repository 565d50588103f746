#include <gtest/gtest.h>

#include <cmath>

#include "matematic/elementary.h"
#include "matematic/extended_arithmetic.h"
#include "matematic/random.h"

namespace strs {
namespace {

class RandomGeneratorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandomGenerator(); }
};

TEST_F(RandomGeneratorTest, StartsFromStateZero) { EXPECT_EQ(RandomGeneratorState(), 0u); }

TEST_F(RandomGeneratorTest, FirstFourUniformValuesFromTheStartState) {
    EXPECT_EQ(static_cast<double>(UniformRandom()), 2.3283064365386963e-10);
    EXPECT_EQ(static_cast<double>(UniformRandom()), 0.031379939522594213);
    EXPECT_EQ(static_cast<double>(UniformRandom()), 0.8610484672244638);
    EXPECT_EQ(static_cast<double>(UniformRandom()), 0.20258096512407064);
}

TEST_F(RandomGeneratorTest, UniformValueIsTheNewStateTimesTwoToMinus32) {
    EXPECT_EQ(UniformRandom(), 1.0L / 4294967296.0L);
    EXPECT_EQ(RandomGeneratorState(), 1u);
    EXPECT_EQ(UniformRandom(), 134775814.0L / 4294967296.0L);
    EXPECT_EQ(RandomGeneratorState(), 134775814u);
}

TEST_F(RandomGeneratorTest, StateWrapsAroundToZeroGivingExactlyZero) {
    SetRandomGeneratorState(649090867u);
    EXPECT_EQ(UniformRandom(), 0.0L);
    EXPECT_EQ(RandomGeneratorState(), 0u);
}

TEST_F(RandomGeneratorTest, LargestStateGivesValueBelowOne) {
    // The state before 0xFFFFFFFF, found by inverting the step: the inverse of the
    // odd multiplier mod 2^32 comes from Newton's iteration x := x (2 - a x).
    const std::uint32_t a = 134775813u;
    std::uint32_t inverse = a;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2u - a * inverse;
    }
    ASSERT_EQ(static_cast<std::uint32_t>(a * inverse), 1u);
    const std::uint32_t before = (0xFFFFFFFFu - 1u) * inverse;
    SetRandomGeneratorState(before);
    const Extended u = UniformRandom();
    EXPECT_EQ(RandomGeneratorState(), 0xFFFFFFFFu);
    EXPECT_LT(u, 1.0L);
    EXPECT_EQ(u, 1.0L - 1.0L / 4294967296.0L);
}

TEST_F(RandomGeneratorTest, ValueAfterOneHalfIsOneHalfPlusOneStep) {
    SetRandomGeneratorState(0x80000000u);
    EXPECT_EQ(UniformRandom(), 0.5L + 1.0L / 4294967296.0L);
}

TEST_F(RandomGeneratorTest, FirstNormalRejectsOneAttemptAndConsumesFourUniforms) {
    const Extended g = RandomNormal(0.0L, 1.0L);
    EXPECT_NEAR(static_cast<double>(g), 0.398435, 5e-7);

    std::uint32_t expected = 0;
    for (int i = 0; i < 4; ++i) {
        expected = expected * 134775813u + 1u;
    }
    EXPECT_EQ(RandomGeneratorState(), expected);
}

TEST_F(RandomGeneratorTest, NormalFollowsThePolarMethodOnTheUniformStream) {
    // Replays the uniform stream by hand and checks the variate bit for bit.
    const std::uint32_t start = 12345u;
    SetRandomGeneratorState(start);
    Extended u1 = 0;
    Extended s = 0;
    do {
        u1 = 2.0L * UniformRandom() - 1.0L;
        const Extended u2 = 2.0L * UniformRandom() - 1.0L;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0L);
    const Extended expected = 0.5L + 2.0L * u1 * Sqrt(-2.0L * Ln(s) / s);
    const std::uint32_t stateAfter = RandomGeneratorState();

    SetRandomGeneratorState(start);
    EXPECT_EQ(RandomNormal(0.5L, 2.0L), expected);
    EXPECT_EQ(RandomGeneratorState(), stateAfter);
}

TEST_F(RandomGeneratorTest, ZeroSigmaReturnsTheMeanAndStillConsumes) {
    EXPECT_EQ(RandomNormal(3.25L, 0.0L), 3.25L);
    EXPECT_NE(RandomGeneratorState(), 0u);
    ResetRandomGenerator();
    RandomNormal(0.0L, 1.0L);
    const std::uint32_t afterOneCall = RandomGeneratorState();
    ResetRandomGenerator();
    RandomNormal(3.25L, 0.0L);
    EXPECT_EQ(RandomGeneratorState(), afterOneCall);
}

TEST_F(RandomGeneratorTest, ResetReproducesTheSameStream) {
    Extended first[10];
    for (auto& v : first) {
        v = RandomNormal(0.0L, 1.0L);
    }
    ResetRandomGenerator();
    for (const auto v : first) {
        EXPECT_EQ(RandomNormal(0.0L, 1.0L), v);
    }
}

TEST_F(RandomGeneratorTest, NormalSampleHasUnitMomentsRoughly) {
    constexpr int kCount = 20000;
    Extended sum = 0;
    Extended sumSquares = 0;
    for (int i = 0; i < kCount; ++i) {
        const Extended g = RandomNormal(0.0L, 1.0L);
        sum += g;
        sumSquares += g * g;
    }
    const Extended mean = sum / kCount;
    EXPECT_NEAR(static_cast<double>(mean), 0.0, 0.03);
    EXPECT_NEAR(static_cast<double>(sumSquares / kCount - mean * mean), 1.0, 0.04);
}

}  // namespace
}  // namespace strs
