#pragma once
// The block Wiener estimator of the Wiener filter lab: every sample of a block of 100
// is estimated from all 100 observations, with weights from the inverse of the
// observations' correlation matrix.

#include "matematic/ar_model.h"
#include "matematic/matrix.h"

namespace strs {

inline constexpr int kWienerBlock = static_cast<int>(kMatrixOrder);

// The working matrices of one estimate, 80 000 bytes each: keep them on the heap.
struct WienerMatrices {
    Matrix100 rx;  // signal correlation, filled by the caller
    Matrix100 rn;  // observation-noise correlation
    Matrix100 ry;  // observation correlation Rx + Rn, kept for the error variance
    Matrix100 q;   // Ry inverted in place
};

// Rx[i][j] = D r^|i-j|, the power an integer power (r^0 = 1 for every r).
void FillAr1Correlation(double r, double d, Matrix100& rx);

// rho[0..N-1] of the second-order model (Ar2NormalisedCorrelation).
// Rx[i][j] = D rho[|i-j|].
void FillAr2Correlation(const Vector100& rho, double d, Matrix100& rx);

// From m.rx, the signal variance D and the noise variance Dn: Rn (Dn on the diagonal),
// Ry = Rx + Rn, Q = Ry^-1, and for every position i, with c = column i of Rx:
//     h = Q c,  xx[i] = y . h,  t = h^T Ry,  err[i] = (D - 2 h . c) + t . h.
// A zero pivot fails in InvertMatrix; a value beyond the double range ->
// FloatingOverflow.
void EstimateWienerBlock(WienerMatrices& m, const Vector100& y, double d, double dn, Vector100& xx,
                         Vector100& err);

}  // namespace strs
