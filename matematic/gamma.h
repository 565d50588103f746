#pragma once
// A table approximation of the Gamma function.
//
// One sixth-degree polynomial per unit interval of the argument,
//     P(x) = c6*x^6 + c5*x^5 + c4*x^4 + c3*x^3 + c2*x^2 + c1*x + c0,
// evaluated term by term (not by Horner's scheme): every x^k is an integer power
// in extended precision (so negative x is fine) and the terms are summed from the
// x^6 term down to c0 in extended precision. Evaluation order, a later rule
// overriding an earlier one:
//   1. x < -5                    -> 0
//   2. -5 <= x < 10              -> the polynomial of the unit interval holding x
//                                   (each interval closed on the left)
//   3. x >= 10                   -> the polynomial of the row "x >= 10", unbounded
//   4. 0.81 <= x < 1             -> exactly 1
//   5. 0 < x < 0.1               -> the small-argument polynomial
//   6. the result is rounded to double.
// The poles 0, -1, ..., -5 get no special treatment. The only failure is the
// rounding of step 6: from about x = 9.2e50 on the result leaves the double
// range -> FloatingOverflow.

namespace strs {

double GammaApprox(double x);

}  // namespace strs
