#include "labs/ar_sequence/correlation.h"

#include <algorithm>
#include <cmath>

#include "matematic/checked.h"
#include "matematic/extended.h"
#include "matematic/kernels.h"

namespace strs {
namespace {

// The lag-k sum with a check after every addition, so that an overflow is met at the
// very addition that causes it.
double CheckedLagSum(const double* x, int n, int k) {
    double sum = 0.0;
    for (int j = 0; j + k < n; ++j) {
        sum = StoreDouble(static_cast<Extended>(x[j]) * x[j + k] + sum);
    }
    return sum;
}

// The lags first .. first+Block-1 in one pass over j. While every lag of the block
// still has its partner x[j+k], the Block sums advance together; the last few j, where
// the longer lags have run out, finish lag by lag. Each sum still sees its products
// in the order of j. A step is AddProduct: unchecked, an overflow leaves the sum
// infinite, and it stays non-finite to the end, where the caller looks.
template <int Block>
void LagBlockSums(const double* x, int n, int first, double* s) {
    double sum[Block] = {};
    const int shared = std::max(0, n - (first + Block - 1));
    for (int j = 0; j < shared; ++j) {
        AddProducts(sum, x[j], x + j + first);  // sum[b] := x[j] * x[j + first + b] + sum[b]
    }
    for (int b = 0; b < Block; ++b) {
        for (int j = shared; j + first + b < n; ++j) {
            sum[b] = AddProduct(sum[b], x[j], x[j + first + b]);
        }
        s[b] = sum[b];
    }
}

constexpr int kBlock = 8;

// All lag sums, unchecked.
void RawLaggedProductSums(const double* x, int n, int lags, double* s) {
    int k = 0;
    for (; k + kBlock <= lags; k += kBlock) {
        LagBlockSums<kBlock>(x, n, k, s + k);
    }
    for (; k < lags; ++k) {
        LagBlockSums<1>(x, n, k, s + k);
    }
}

// A non-finite sum is computed again with checks, which throws at the addition that
// overflowed.
void CheckLagSum(const double* x, int n, int k, double s) {
    if (!std::isfinite(s)) {
        CheckedLagSum(x, n, k);
    }
}

}  // namespace

void LaggedProductSums(const double* x, int n, int lags, double* s) {
    RawLaggedProductSums(x, n, lags, s);
    for (int k = 0; k < lags; ++k) {
        CheckLagSum(x, n, k, s[k]);
    }
}

double ExperimentalVariance(const double* x, int n) {
    double sumOfSquares = 0.0;
    LaggedProductSums(x, n, 1, &sumOfSquares);
    return StoreDouble(CheckedDiv(sumOfSquares, n - 1));
}

void ExperimentalCorrelation(const double* x, int n, double variance, double* k, int lags) {
    RawLaggedProductSums(x, n, lags, k);
    for (int lag = 0; lag < lags; ++lag) {
        CheckLagSum(x, n, lag, k[lag]);
        const Extended perProduct = CheckedDiv(k[lag], n - lag - 1);
        k[lag] = StoreDouble(CheckedDiv(perProduct, variance));
    }
}

}  // namespace strs
