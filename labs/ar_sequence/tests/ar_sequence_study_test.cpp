// The steps of the autoregressive sequence study, from the start state of the generator.

#include "labs/ar_sequence/sequence_study.h"
#include "matematic/errors.h"
#include "matematic/random.h"

#include <gtest/gtest.h>

namespace strs {
namespace {

class ArSequenceStudyTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandomGenerator(); }
    ArSequenceStudy study;
};

void RunFirstOrder(double r, double d, ArSequenceStudy& study) {
    GenerateFirstOrder(r, d, study);
    MeasureVariance(study);
    MeasureCorrelation(study);
    FirstOrderCorrelation(r, study.theoretical);
}

TEST_F(ArSequenceStudyTest, FirstOrderDefaultsAsTheFirstRun) {
    RunFirstOrder(0.8, 1.0, study);
    EXPECT_EQ(study.n, 1000);
    EXPECT_NEAR(study.experimental[0], 1.0, 1e-15);
    EXPECT_EQ(study.theoretical[0], 1.0);
    EXPECT_EQ(study.theoretical[1], 0.8);
    EXPECT_EQ(study.theoretical[2], static_cast<double>(static_cast<long double>(0.8) * 0.8));
    EXPECT_NEAR(study.theoretical[199], 5.0e-20, 1e-20);  // 0.8^199, tiny but not zero
}

TEST_F(ArSequenceStudyTest, FirstOrderUsesOneVariatePerValue) {
    RunFirstOrder(0.8, 1.0, study);
    const double first = study.x[0];
    ResetRandomGenerator();
    ArSequenceStudy shorter;
    GenerateFirstOrder(0.0, 1.0, shorter);  // r = 0: x[i] = g exactly
    EXPECT_EQ(shorter.x[0], first);
    // After 1000 draws the next study starts where these left off.
    ArSequenceStudy next;
    GenerateFirstOrder(0.8, 1.0, next);
    EXPECT_NE(next.x[0], first);
}

TEST_F(ArSequenceStudyTest, SecondOrderDefaultsAsTheFirstRun) {
    GenerateSecondOrder(0.8, 0.9, 1.0, study);
    MeasureVariance(study);
    MeasureCorrelation(study);
    EXPECT_EQ(study.n, 10000);
    EXPECT_NEAR(study.experimental[0], 1.0, 1e-15);

    const Ar2Coefficients c = YuleWalker2(0.8, 0.9);
    EXPECT_NEAR(c.a1, 0.222222, 5e-7);
    EXPECT_NEAR(c.a2, 0.722222, 5e-7);
    EXPECT_NEAR(Ar2DrivingVariance(c, 0.8, 0.9, 1.0), 0.172222, 5e-7);
    SecondOrderCorrelation(c, study.theoretical);
    EXPECT_EQ(study.theoretical[0], 1.0);
    EXPECT_NEAR(study.theoretical[1], 0.8, 1e-15);
    EXPECT_NEAR(study.theoretical[2], 0.9, 1e-15);
    EXPECT_NEAR(study.theoretical[3], 0.777778, 5e-7);
}

TEST_F(ArSequenceStudyTest, SecondOrderStartsWithTheFullVariance) {
    const Ar2Coefficients c = GenerateSecondOrder(0.8, 0.9, 4.0, study);
    ResetRandomGenerator();
    ArSequenceStudy white;
    GenerateFirstOrder(0.0, 4.0, white);  // x[0] = 2 g with the same first g
    EXPECT_EQ(study.x[0], white.x[0]);
    EXPECT_NE(c.a2, 0.0);
}

TEST_F(ArSequenceStudyTest, UncorrelatedTheoryIsZeroBeyondLagZero) {
    RunFirstOrder(0.0, 1.0, study);
    EXPECT_EQ(study.theoretical[0], 1.0);
    for (int k = 1; k < kArLags; ++k)
        EXPECT_EQ(study.theoretical[k], 0.0) << k;
}

TEST_F(ArSequenceStudyTest, NegativeCoefficientAlternates) {
    RunFirstOrder(-0.5, 1.0, study);
    EXPECT_EQ(study.theoretical[1], -0.5);
    EXPECT_EQ(study.theoretical[2], 0.25);
    EXPECT_EQ(study.theoretical[3], -0.125);
    EXPECT_LT(study.experimental[1], -0.4);
}

TEST_F(ArSequenceStudyTest, UnitCoefficientRepeatsTheFirstValue) {
    RunFirstOrder(1.0, 1.0, study);
    for (int i = 1; i < study.n; ++i)
        ASSERT_EQ(study.x[i], study.x[0]) << i;
    const double n = study.n;
    for (int k = 0; k < kArLags; ++k) {
        EXPECT_EQ(study.theoretical[k], 1.0);
        EXPECT_NEAR(study.experimental[k], (n - k) * (n - 1) / ((n - k - 1) * n), 1e-13) << k;
    }
    EXPECT_GT(study.experimental[1], 1.0);
}

TEST_F(ArSequenceStudyTest, MinusOneAlternatesTheSign) {
    GenerateFirstOrder(-1.0, 1.0, study);
    for (int i = 1; i < study.n; ++i)
        ASSERT_EQ(study.x[i], -study.x[i - 1]) << i;
}

TEST_F(ArSequenceStudyTest, NegativeVarianceFailsAtTheFirstValue) {
    EXPECT_THROW(GenerateFirstOrder(0.8, -1.0, study), InvalidOperation);
    EXPECT_THROW(GenerateSecondOrder(0.8, 0.9, -1.0, study), InvalidOperation);
}

TEST_F(ArSequenceStudyTest, CoefficientAboveOneFailsAtTheSecondValue) {
    EXPECT_THROW(GenerateFirstOrder(1.5, 1.0, study), InvalidOperation);
}

TEST_F(ArSequenceStudyTest, NonStationaryPairFails) {
    EXPECT_THROW(GenerateSecondOrder(0.8, 0.1, 1.0, study), InvalidOperation);
}

TEST_F(ArSequenceStudyTest, UnitLagOneCorrelationDividesByZero) {
    EXPECT_THROW(GenerateSecondOrder(1.0, 0.9, 1.0, study), DivisionByZero);
    EXPECT_THROW(GenerateSecondOrder(-1.0, 0.9, 1.0, study), DivisionByZero);
}

TEST_F(ArSequenceStudyTest, UnitLagTwoCorrelationFailsInTheTheory) {
    // R1 = 0, R2 = 1: a1 = 0, a2 = 1, q = 0; the sequence is fine, K[1] = 0/0 is not.
    const Ar2Coefficients c = GenerateSecondOrder(0.0, 1.0, 1.0, study);
    EXPECT_EQ(c.a1, 0.0);
    EXPECT_EQ(c.a2, 1.0);
    MeasureVariance(study);
    MeasureCorrelation(study);
    EXPECT_THROW(SecondOrderCorrelation(c, study.theoretical), InvalidOperation);
}

TEST_F(ArSequenceStudyTest, ZeroVarianceFailsAtLagZero) {
    GenerateFirstOrder(0.8, 0.0, study);
    for (int i = 0; i < study.n; ++i)
        ASSERT_EQ(study.x[i], 0.0);
    MeasureVariance(study);
    EXPECT_EQ(study.variance, 0.0);
    EXPECT_THROW(MeasureCorrelation(study), InvalidOperation);
}

}  // namespace
}  // namespace strs
