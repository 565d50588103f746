#include "matematic/matrix.h"

#include <cfloat>
#include <cmath>
#include <memory>
#include <utility>

#include "matematic/errors.h"
#include "matematic/extended.h"

namespace strs {
namespace {

constexpr std::size_t kN = kMatrixOrder;

// True when every element of the row is finite (NaN fails the comparison too).
// The loop has no branch per element, so the compiler can vectorise it.
bool AllFinite(const double* row, std::size_t count) {
    bool finite = true;
    for (std::size_t j = 0; j < count; ++j) {
        finite &= std::fabs(row[j]) <= DBL_MAX;
    }
    return finite;
}

// A zero pivot fails at the step's first division, element (0, 0).
[[noreturn]] void ThrowZeroPivot(const Matrix100& a, std::size_t k) {
    if (k == 0) {
        throw DivisionByZero();  // 1 / 0
    }
    const Extended numerator = static_cast<Extended>(a[k * kN]) * a[k];
    if (numerator == 0.0L) {
        throw InvalidOperation();  // 0 / 0
    }
    throw DivisionByZero();
}

// One exchange step on pivot k: reads `from`, writes all of `to`.
void ExchangeStep(const Matrix100& from, Matrix100& to, std::size_t k) {
    const Extended p = from[k * kN + k];
    const double* pivotRow = &from[k * kN];
    for (std::size_t i = 0; i < kN; ++i) {
        const double* src = &from[i * kN];
        double* dst = &to[i * kN];
        if (i == k) {
            for (std::size_t j = 0; j < kN; ++j) {
                dst[j] = static_cast<double>(-static_cast<Extended>(src[j]) / p);
            }
            dst[k] = static_cast<double>(1.0L / p);
        } else {
            const Extended aik = src[k];
            for (std::size_t j = 0; j < kN; ++j) {
                dst[j] = static_cast<double>(src[j] - static_cast<Extended>(pivotRow[j]) * aik / p);
            }
            dst[k] = static_cast<double>(aik / p);
        }
        // Intermediates are extended and cannot overflow there; only the store to
        // double can leave the range.
        if (!AllFinite(dst, kN)) {
            throw FloatingOverflow();
        }
    }
}

}  // namespace

// Both products keep four running sums at once: each sum still adds its terms in
// the order j = 0..99 and is rounded to double after every addition, but the four
// independent chains let the additions overlap.
static_assert(kN % 4 == 0);

void MatVecMul(const Matrix100& a, const Vector100& x, Vector100& y) {
    y.fill(0.0);
    for (std::size_t i = 0; i < kN; i += 4) {
        const double* r0 = &a[i * kN];
        const double* r1 = r0 + kN;
        const double* r2 = r1 + kN;
        const double* r3 = r2 + kN;
        double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
        for (std::size_t j = 0; j < kN; ++j) {
            const Extended xj = x[j];
            s0 = static_cast<double>(r0[j] * xj + s0);
            s1 = static_cast<double>(r1[j] * xj + s1);
            s2 = static_cast<double>(r2[j] * xj + s2);
            s3 = static_cast<double>(r3[j] * xj + s3);
        }
        y[i] = s0;
        y[i + 1] = s1;
        y[i + 2] = s2;
        y[i + 3] = s3;
    }
}

void VecMatMul(const Vector100& x, const Matrix100& a, Vector100& y) {
    y.fill(0.0);
    for (std::size_t i = 0; i < kN; i += 4) {
        double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
        for (std::size_t j = 0; j < kN; ++j) {
            const Extended xj = x[j];
            const double* column = &a[j * kN + i];
            s0 = static_cast<double>(xj * column[0] + s0);
            s1 = static_cast<double>(xj * column[1] + s1);
            s2 = static_cast<double>(xj * column[2] + s2);
            s3 = static_cast<double>(xj * column[3] + s3);
        }
        y[i] = s0;
        y[i + 1] = s1;
        y[i + 2] = s2;
        y[i + 3] = s3;
    }
}

double DotProduct(const Vector100& a, const Vector100& b) {
    double s = 0.0;
    for (std::size_t j = 0; j < kN; ++j) {
        s = static_cast<double>(static_cast<Extended>(a[j]) * b[j] + s);
    }
    return s;
}

void InvertMatrix(Matrix100& a) {
    // The two buffers take turns as source and destination, so a completed step
    // needs no copy; A receives the last completed step when the work ends.
    auto work = std::make_unique<Matrix100>();
    Matrix100* current = &a;
    Matrix100* next = work.get();
    try {
        for (std::size_t k = 0; k < kN; ++k) {
            if ((*current)[k * kN + k] == 0.0) {
                ThrowZeroPivot(*current, k);
            }
            ExchangeStep(*current, *next, k);
            std::swap(current, next);
        }
    } catch (...) {
        if (current != &a) {
            a = *current;
        }
        throw;
    }
    if (current != &a) {
        a = *current;
    }
}

}  // namespace strs
