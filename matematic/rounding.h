#pragma once
// The display rounding of the labs' result numbers.
//
// RoundTo3(x): t = x * 1000 + 0.5 in extended precision (64-bit mantissa);
//              n = t rounded to the nearest integer, ties to even;
//              result = n / 1000 in extended, rounded to double.
// RoundTo2(x): the same with 100.
//
// Because the half is added before rounding to nearest, the result is not the
// nearest multiple: a non-whole x*1000 goes to the next multiple above, a whole
// one stays when even and goes up by one when odd. The outcome depends on the
// double representation of x and on the extended precision of the first step:
// RoundTo3(0.8) = 0.801 while RoundTo3(0.7) = 0.7.

namespace strs {

double RoundTo3(double x);
double RoundTo2(double x);

}  // namespace strs
