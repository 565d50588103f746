#pragma once
// The lag sums of the autoregressive sequence lab the plain way, one checked loop per
// lag: the reference that the blocked LaggedProductSums must equal bit for bit.

#include "matematic/checked.h"
#include "matematic/extended.h"

namespace strs {

inline void LaggedProductSumsPlain(const double* x, int n, int lags, double* s) {
    for (int k = 0; k < lags; ++k) {
        double sum = 0.0;
        for (int j = 0; j + k < n; ++j)
            sum = StoreDouble(static_cast<Extended>(x[j]) * x[j + k] + sum);
        s[k] = sum;
    }
}

}  // namespace strs
