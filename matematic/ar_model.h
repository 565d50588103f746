#pragma once
// The autoregressive signal model shared by the autoregressive sequence, Kalman
// filter and Wiener filter labs.
//
// First order, correlation coefficient r, variance D, driving variance q:
//     x[0] = sqrt(D) g,   x[i] = sqrt(q) g + r x[i-1],            q = (1 - r r) D
// Second order, lag-one and lag-two correlations R1, R2:
//     x[0] = sqrt(D) g,   x[1] = sqrt(q) g + a1 x[0],
//     x[i] = sqrt(q) g + (a1 x[i-1] + a2 x[i-2]),                  q = (1 - a1 R1 - a2 R2) D
// Observations in white noise of variance Dn:  y[k] = sqrt(Dn) g + x[k].
//
// Every g is a fresh RandomNormal(0, 1), drawn when its element is computed, one
// per element in index order. The square root of an element is taken before its
// variate is drawn, so a negative variance fails without drawing for that
// element. Intermediates are extended; the stored values are doubles, and a value
// beyond the double range -> FloatingOverflow.

namespace strs {

// The solution (a1, a2) of the Yule-Walker equations [[1, R1], [R1, 1]] (a1, a2) = (R1, R2).
struct Ar2Coefficients {
    double a1 = 0.0;
    double a2 = 0.0;
};

// Solves with the stored inverse of the 2 x 2 matrix: its diagonal entry
// d = 1 / (1 - R1 R1) and its off-diagonal entry o = (-1 / (1 - R1 R1)) R1, each a
// double; then a1 = d R1 + o R2 and a2 = o R1 + d R2.
// R1 = 1 or R1 = -1 -> DivisionByZero.
Ar2Coefficients YuleWalker2(double r1, double r2);

// (1 - r r) D.
double Ar1DrivingVariance(double r, double d);

// (1 - a1 R1 - a2 R2) D.
double Ar2DrivingVariance(Ar2Coefficients c, double r1, double r2, double d);

// Fills x[0..n-1] with a first-order sequence. D < 0 fails at x[0] before any draw;
// q < 0 fails at x[1], after the one variate of x[0].
void GenerateAr1(double r, double d, double q, double* x, int n);

// Fills x[0..n-1] with a second-order sequence; failures as for GenerateAr1.
void GenerateAr2(Ar2Coefficients c, double d, double q, double* x, int n);

// y[k] = sqrt(Dn) g + x[k] for k = 0..n-1. Dn < 0 fails before any draw.
void AddObservationNoise(const double* x, double dn, double* y, int n);

// The theoretical normalised correlation function of the second-order model:
// rho[0] = 1, rho[1] = a1 / (1 - a2), rho[m] = a1 rho[m-1] + a2 rho[m-2].
// a2 = 1 -> DivisionByZero, or InvalidOperation when a1 is 0 too.
void Ar2NormalisedCorrelation(Ar2Coefficients c, double* rho, int n);

}  // namespace strs
