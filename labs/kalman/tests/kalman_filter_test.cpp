// The scalar Kalman filter recursion on its own, without the page.

#include "labs/kalman/kalman_filter.h"
#include "matematic/ar_model.h"
#include "matematic/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using strs::KalmanModel;
using strs::KalmanSequence;
using strs::RunScalarKalmanFilter;

// r = 0.9, D = 1, Dn = 4, Dw = (1 - 0.81) * 1.
KalmanModel DefaultModel() { return KalmanModel{0.9, 1.0, 0.19, 4.0}; }

TEST(KalmanFilter, ErrorVarianceOfTheDefaultParameters) {
    KalmanSequence y{}, xx{}, p{};
    RunScalarKalmanFilter(DefaultModel(), y, xx, p);
    EXPECT_EQ(p[0], 0.8);
    for (int k = 1; k < strs::kKalmanSteps; ++k) {
        EXPECT_LE(p[k], p[k - 1]) << "at step " << k;  // falls towards the steady state
    }
}

TEST(KalmanFilter, ErrorVarianceDoesNotDependOnTheObservations) {
    KalmanSequence quiet{}, noisy{}, xx{}, p1{}, p2{};
    for (int k = 0; k < strs::kKalmanSteps; ++k) {
        noisy[k] = (k % 3 - 1) * 2.5;
    }
    RunScalarKalmanFilter(DefaultModel(), quiet, xx, p1);
    RunScalarKalmanFilter(DefaultModel(), noisy, xx, p2);
    EXPECT_EQ(p1, p2);
}

// Pe / (Pe (1/Dn) + 1) and Pe / (Pe/Dn + 1) differ in the last bit for about one step in
// 10^4. These parameters were found by running both orders over models with two-decimal
// r, D and Dn and keeping the first whose variance sequence parted: the written order
// gives the value below at step 4, the other one ulp less (0x1.5127b027358aep+1).
TEST(KalmanFilter, ErrorVarianceTakesTheReciprocalOfTheNoiseVarianceFirst) {
    const double r = 0.08;
    const double d = 9.44;
    KalmanSequence y{}, xx{}, p{};
    RunScalarKalmanFilter(KalmanModel{r, d, strs::Ar1DrivingVariance(r, d), 3.66}, y, xx, p);
    EXPECT_EQ(p[4], 0x1.5127b027358afp+1);
}

TEST(KalmanFilter, EstimatesFollowTheGainAndThePrediction) {
    KalmanSequence y{}, xx{}, p{};
    y[0] = 2.0;
    y[1] = -1.0;
    RunScalarKalmanFilter(DefaultModel(), y, xx, p);
    // xx[0] = 0 + (0.8 / 4) * 2; the prediction for step 1 is 0.9 * 0.4.
    EXPECT_DOUBLE_EQ(xx[0], 0.4);
    const double xp = 0.9 * xx[0];
    EXPECT_DOUBLE_EQ(xx[1], xp + (p[1] / 4.0) * (-1.0 - xp));
    // With no further observations the estimate decays towards 0 with the signal.
    EXPECT_LT(std::abs(xx[99]), std::abs(xx[1]) * 1e-3);
}

TEST(KalmanFilter, ZeroSignalVarianceGivesZeroEstimates) {
    KalmanSequence y{}, xx{}, p{};
    y.fill(3.0);
    RunScalarKalmanFilter(KalmanModel{0.9, 0.0, 0.0, 4.0}, y, xx, p);
    for (int k = 0; k < strs::kKalmanSteps; ++k) {
        EXPECT_EQ(p[k], 0.0);
        EXPECT_EQ(xx[k], 0.0);
    }
}

TEST(KalmanFilter, ZeroNoiseVarianceFailsAtTheFirstVariance) {
    KalmanSequence y{}, xx{}, p{};
    EXPECT_THROW(RunScalarKalmanFilter(KalmanModel{0.9, 1.0, 0.19, 0.0}, y, xx, p), strs::DivisionByZero);
    EXPECT_THROW(RunScalarKalmanFilter(KalmanModel{1.0, 0.0, 0.0, 0.0}, y, xx, p), strs::InvalidOperation);
}

TEST(KalmanFilter, PredictionBeyondTheDoubleRangeIsAnOverflow) {
    KalmanSequence y{}, xx{}, p{};
    y.fill(1e300);
    // xx[0] is about 1e300; r xx[0] leaves the double range.
    EXPECT_THROW(RunScalarKalmanFilter(KalmanModel{1e10, 1e6, 0.0, 1.0}, y, xx, p), strs::FloatingOverflow);
}

}  // namespace
