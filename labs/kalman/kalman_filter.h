#pragma once
// The scalar Kalman filter of the Kalman filter lab: a first-order autoregressive
// signal (correlation coefficient r, variance D, driving variance Dw) observed in
// white noise of variance Dn, estimated one step at a time.

#include <array>

namespace strs {

inline constexpr int kKalmanSteps = 100;

using KalmanSequence = std::array<double, kKalmanSteps>;

struct KalmanModel {
    double r = 0.0;   // one-step correlation coefficient of the signal
    double d = 0.0;   // variance of the signal
    double dw = 0.0;  // variance of the driving noise, (1 - r r) D
    double dn = 0.0;  // variance of the observation noise
};

// Runs the filter over the observations y, starting from the prior variance D:
//     P[0] = D / (D/Dn + 1),  xp = 0,
//     xx[k] = xp + (P[k]/Dn) (y[k] - xp),
//     Pe = r r P[k] + Dw,
//     P[k+1] = Pe / (Pe (1/Dn) + 1)   (k < N-1),
//     xp = r xx[k].
// Intermediates are extended; P, xx, Pe and xp are stored as doubles.
// Dn = 0 fails at P[0]: DivisionByZero, or InvalidOperation when D is 0 too.
// A value beyond the double range -> FloatingOverflow.
void RunScalarKalmanFilter(const KalmanModel& model, const KalmanSequence& y, KalmanSequence& xx,
                           KalmanSequence& p);

}  // namespace strs
