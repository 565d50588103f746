#pragma once
// Experimental variance and normalised correlation of a sequence.
//
// Every sum runs in index order into a double: each product is formed in extended
// precision, added to the running sum in extended precision, and the sum is rounded
// back to double after every addition:
//     sum = double(Extended(x[j]) * x[j + k] + sum)
// The mean is never subtracted.

namespace strs {

// S(k) = sum of x[j] x[j+k] for j = 0 .. n-1-k, for every lag k = 0 .. lags-1
// (lags <= n). Several lags share one pass over the sequence, each with its own
// running sum in its own order, so the sums are the same, bit for bit, as one
// plain loop per lag. A sum beyond the double range -> FloatingOverflow.
void LaggedProductSums(const double* x, int n, int lags, double* s);

// D^ = (x[0]^2 + ... + x[n-1]^2) / (n - 1).
double ExperimentalVariance(const double* x, int n);

// K^[k] = S(k) / (n - k - 1) / D^ for k = 0 .. lags-1 (lags < n), lag by lag.
// D^ = 0 -> InvalidOperation at lag 0 (0/0) or DivisionByZero.
void ExperimentalCorrelation(const double* x, int n, double variance, double* k, int lags);

}  // namespace strs
