#pragma once
// The steps of one autoregressive sequence study, without the page: generating the
// sequence, measuring its variance and normalised correlation, and the theoretical
// correlation to compare with.

#include <array>
#include <vector>

#include "matematic/ar_model.h"

namespace strs {

inline constexpr int kArBufferLength = 10000;  // enough for either order
inline constexpr int kArFirstOrderLength = 1000;
inline constexpr int kArSecondOrderLength = 10000;
inline constexpr int kArShownValues = 200;  // values drawn on the upper chart
inline constexpr int kArLags = 200;         // lags 0 .. 199

// The quantities of one study; nothing of it outlives the press.
struct ArSequenceStudy {
    int n = 0;  // the length used, 1000 or 10 000
    std::vector<double> x = std::vector<double>(kArBufferLength);
    double variance = 0.0;                       // the experimental variance D^
    std::array<double, kArLags> experimental{};  // K^[k]
    std::array<double, kArLags> theoretical{};   // K[k]
};

// First order: n = 1000, q = (1 - r r) D, then the sequence. D < 0 fails at x[0],
// q < 0 (|r| > 1) at x[1].
void GenerateFirstOrder(double r, double d, ArSequenceStudy& study);

// Second order: n = 10 000, the Yule-Walker coefficients, q = (1 - a1 R1 - a2 R2) D,
// then the sequence. R1 = +-1 -> DivisionByZero before anything is drawn.
Ar2Coefficients GenerateSecondOrder(double r1, double r2, double d, ArSequenceStudy& study);

// D^: the sum of squares over n - 1.
void MeasureVariance(ArSequenceStudy& study);

// K^[k] for every lag, against the D^ already measured. D^ = 0 -> InvalidOperation.
void MeasureCorrelation(ArSequenceStudy& study);

// K[k] = r^k, with r^0 = 1 for every r.
void FirstOrderCorrelation(double r, std::array<double, kArLags>& k);

// K[0] = 1, K[1] = a1 / (1 - a2), K[k] = a1 K[k-1] + a2 K[k-2].
// a2 = 1 -> DivisionByZero, or InvalidOperation when a1 is 0 as well.
void SecondOrderCorrelation(Ar2Coefficients c, std::array<double, kArLags>& k);

}  // namespace strs
