#pragma once
// The steps the labs spend their time in, each giving the x87's bits: every operation
// in extended precision, rounded to 64 bits, and the result stored to a double (53 bits),
// in the order written. X(v) is the double v as an extended number, a signalling NaN
// quieted as the x87 loads it.
//
// With the x87 they are the plain expressions; with the software type they are the fast
// steps of soft_kernels.h. The callers do not know which.

#include <cstddef>

#if STRS_SOFTWARE_EXTENDED
#include "matematic/soft_kernels.h"
#else
#include "matematic/extended.h"
#endif

namespace strs {

#if STRS_SOFTWARE_EXTENDED

using soft::AddProduct;
using soft::AddProducts;
using soft::AddProductsStrided;
using soft::PivotDivision;

#else

// double(X(a) * b + sum): one step of a running sum of products.
inline double AddProduct(double sum, double a, double b) { return static_cast<double>(static_cast<Extended>(a) * b + sum); }

// sums[r] = double(X(a) * b[r] + sums[r]) for every r: independent running sums.
template <std::size_t N>
void AddProducts(double (&sums)[N], double a, const double* b) {
    const Extended ea = a;
    for (std::size_t r = 0; r < N; ++r) {
        sums[r] = static_cast<double>(ea * b[r] + sums[r]);
    }
}

// sums[r] = double(X(a[r * stride]) * b + sums[r]) for every r.
template <std::size_t N>
void AddProductsStrided(double (&sums)[N], const double* a, std::size_t stride, double b) {
    const Extended eb = b;
    for (std::size_t r = 0; r < N; ++r) {
        sums[r] = static_cast<double>(a[r * stride] * eb + sums[r]);
    }
}

// Divisions by one pivot p, each correctly rounded.
class PivotDivision {
public:
    explicit PivotDivision(double pivot) : pivot_(pivot) {}

    double reciprocal() const { return static_cast<double>(1 / pivot_); }                          // double(1 / X(p))
    double quotient(double x) const { return static_cast<double>(static_cast<Extended>(x) / pivot_); }  // double(X(x) / p)
    double negatedQuotient(double x) const { return static_cast<double>(-static_cast<Extended>(x) / pivot_); }
    // double(aij - X(akj) * aik / p): the product, then the quotient, then the difference.
    double updated(double aij, double akj, double aik) const {
        return static_cast<double>(aij - static_cast<Extended>(akj) * static_cast<Extended>(aik) / pivot_);
    }
    // dst[j] = updated(src[j], pivotRow[j], aik) for j < count.
    void updateRun(double* dst, const double* src, const double* pivotRow, double aik, std::size_t count) const {
        const Extended eaik = aik;
        for (std::size_t j = 0; j < count; ++j) {
            dst[j] = static_cast<double>(src[j] - static_cast<Extended>(pivotRow[j]) * eaik / pivot_);
        }
    }

private:
    Extended pivot_;
};

#endif

}  // namespace strs
