#include "matematic/matrix.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "matematic/errors.h"
#include "matematic/extended.h"
#include "matematic/kernels.h"

namespace strs {
namespace {

constexpr std::size_t kN = kMatrixOrder;

// ---------------------------------------------------------------------------
// Scans of stored elements. Intermediates are extended and cannot overflow
// there; only the store to double can leave the range, so a step looks at what
// it stored. The scans use integer operations on the bits, in four independent
// lanes, which the compiler packs into vector registers.

// The compiler's own bit_cast: not every C++ library has std::bit_cast yet.
std::uint64_t Magnitude(double v) { return __builtin_bit_cast(std::uint64_t, v) & ~(std::uint64_t{1} << 63); }

// Bit 63 is set exactly for an infinity or a NaN (exponent field all ones).
std::uint64_t NonFiniteMark(double v) { return Magnitude(v) + (std::uint64_t{1} << 52); }

// Bit 63 is set exactly for +0 and -0.
std::uint64_t ZeroMark(double v) { return Magnitude(v) - 1; }

// True when mark(v) has bit 63 set for one of the values.
template <typename Mark>
bool AnyMarked(const double* v, std::size_t count, Mark mark) {
    constexpr std::size_t kLanes = 4;
    std::uint64_t lanes[kLanes] = {};
    const std::size_t head = count % kLanes;
    for (std::size_t j = 0; j < head; ++j) {
        lanes[j] |= mark(v[j]);
    }
    for (std::size_t j = head; j < count; j += kLanes) {
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            lanes[lane] |= mark(v[j + lane]);
        }
    }
    return ((lanes[0] | lanes[1] | lanes[2] | lanes[3]) >> 63) != 0;
}

// ---------------------------------------------------------------------------
// Gauss-Jordan exchange steps.

// A zero pivot fails at the step's first division, element (0, 0), whose
// numerator is A(k, 0) A(0, k) when k > 0.
[[noreturn]] void ThrowZeroPivot(std::size_t k, double ak0, double a0k) {
    if (k == 0) {
        throw DivisionByZero();  // 1 / 0
    }
    if (static_cast<Extended>(ak0) * a0k == 0) {
        throw InvalidOperation();  // 0 / 0
    }
    throw DivisionByZero();
}

// One exchange step on pivot k: reads `from`, writes all of `to`. W(i, j) for i, j != k
// is PivotDivision::updated: the product first, then the division, then the subtraction.
void ExchangeStep(const Matrix100& from, Matrix100& to, std::size_t k) {
    const PivotDivision p(from[k * kN + k]);
    const double* pivotRow = &from[k * kN];
    for (std::size_t i = 0; i < kN; ++i) {
        const double* src = &from[i * kN];
        double* dst = &to[i * kN];
        if (i == k) {
            for (std::size_t j = 0; j < kN; ++j) {
                dst[j] = p.negatedQuotient(src[j]);
            }
            dst[k] = p.reciprocal();
        } else {
            const double aik = src[k];
            p.updateRun(dst, src, pivotRow, aik, kN);
            dst[k] = p.quotient(aik);
        }
        if (AnyMarked(dst, kN, NonFiniteMark)) {
            throw FloatingOverflow();
        }
    }
}

// ---------------------------------------------------------------------------
// The symmetric case.
//
// The exchange steps of an exactly symmetric matrix keep a signed symmetry.
// Before step k the pivots 0..k-1 are done; give index i the sign d(i) = -1 when
// i < k and +1 otherwise. Then every element of the current A satisfies
//     A(j, i) == d(i) d(j) A(i, j)                                      (*)
// compared as doubles (so +0 and -0 count as equal, every other value must
// match bit for bit). (*) holds for k = 0 by symmetry. If it holds before step k
// (with d(k) = +1), then:
//   - W(k, j) = -A(k, j) / p and W(j, k) = A(j, k) / p = d(j) A(k, j) / p, so
//     W(k, j) == -d(j) W(j, k): (*) with d(k) = -1 from now on;
//   - for i, j != k, with s = d(i) d(j): A(k, i) A(j, k) == s A(i, k) A(k, j)
//     and A(j, i) == s A(i, j). Products commute, and rounding to nearest
//     commutes with a change of sign, so every operation of W(j, i) gives s times
//     the one of W(i, j) and W(j, i) == s W(i, j).
// So (*) holds after step k with d(k) = -1, which is the sign pattern of step
// k + 1. For i < j the factor d(i) d(j) is -1 exactly when i < k <= j.
//
// (*) fixes an element's bits from its mirror's except when it is zero. The sign
// of a zero need not follow (*): an exact zero difference is +0 on both sides
// (x - x = +0 whatever the sign of x), and a zero operand's sign travels on. A
// non-zero W(i, j), though, is exactly s times its mirror: either the product
// A(k, j) A(i, k) is not zero, so neither factor is and (*) fixes the bits of
// their mirrors, while a zero A(i, j) drops out of the difference whatever its
// sign; or the product is zero and W(i, j) = A(i, j) is not, and (*) fixes
// A(j, i) while the zero product drops out.
//
// So a symmetric inversion keeps its matrices in a half form: the diagonal and
// the elements right of it are always stored; an element left of the diagonal is
// stored only where its mirror is zero, and is s times its mirror everywhere
// else (what is stored there is stale). A step computes the upper half, the
// lower half where the upper result is zero, and row k and column k in full;
// LowerElement reads the rest. FillLowerHalf makes the plain matrix, the one the
// general steps give, bit for bit.

// The input qualifies when it satisfies (*) for k = 0 and is finite, so that (*)
// is about ordinary numbers (NaN fails the comparison anyway).
bool IsFiniteSymmetric(const Matrix100& a) {
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = i; j < kN; ++j) {
            if (!std::isfinite(a[i * kN + j]) || a[i * kN + j] != a[j * kN + i]) {
                return false;
            }
        }
    }
    return true;
}

// Element (j, i), j > i, of a half-form matrix whose pivots 0..done-1 are done.
double LowerElement(const Matrix100& m, std::size_t j, std::size_t i, std::size_t done) {
    const double mirror = m[i * kN + j];
    if (mirror == 0.0) {
        return m[j * kN + i];
    }
    return (i < done && done <= j) ? -mirror : mirror;
}

double HalfFormElement(const Matrix100& m, std::size_t i, std::size_t j, std::size_t done) {
    return i <= j ? m[i * kN + j] : LowerElement(m, i, j, done);
}

void FillLowerHalf(Matrix100& m, std::size_t done) {
    for (std::size_t j = 1; j < kN; ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            m[j * kN + i] = LowerElement(m, j, i, done);
        }
    }
}

// Exchange step k on half-form matrices: reads `from` (pivots 0..k-1 done),
// writes `to` (pivots 0..k done).
void SymmetricExchangeStep(const Matrix100& from, Matrix100& to, std::size_t k) {
    const PivotDivision p(from[k * kN + k]);
    Vector100 rowK;     // A(k, j)
    Vector100 columnK;  // A(i, k)
    for (std::size_t j = 0; j < kN; ++j) {
        rowK[j] = HalfFormElement(from, k, j, k);
        columnK[j] = HalfFormElement(from, j, k, k);
    }

    // W(i, j) for jBegin <= j < jEnd, with i <= j and i, j != k. A zero among
    // them also needs its mirror W(j, i), computed in full.
    const auto updateRun = [&](std::size_t i, std::size_t jBegin, std::size_t jEnd) {
        const double* src = &from[i * kN];
        double* dst = &to[i * kN];
        p.updateRun(dst + jBegin, src + jBegin, &rowK[jBegin], columnK[i], jEnd - jBegin);
        const auto zeroOrNonFinite = [](double v) { return ZeroMark(v) | NonFiniteMark(v); };
        if (!AnyMarked(dst + jBegin, jEnd - jBegin, zeroOrNonFinite)) {
            return;  // the usual case
        }
        if (AnyMarked(dst + jBegin, jEnd - jBegin, NonFiniteMark)) {
            throw FloatingOverflow();
        }
        for (std::size_t j = std::max(jBegin, i + 1); j < jEnd; ++j) {
            if (dst[j] == 0.0) {
                // Zero as well by (*), so always finite.
                to[j * kN + i] = p.updated(LowerElement(from, j, i, k), rowK[i], columnK[j]);
            }
        }
    };
    for (std::size_t i = 0; i < kN; ++i) {
        if (i < k) {
            updateRun(i, i, k);
            updateRun(i, k + 1, kN);
        } else if (i > k) {
            updateRun(i, i, kN);
        }
    }

    // Row k and column k, on both sides of the diagonal.
    for (std::size_t j = 0; j < kN; ++j) {
        to[k * kN + j] = p.negatedQuotient(rowK[j]);
        to[j * kN + k] = p.quotient(columnK[j]);
    }
    to[k * kN + k] = p.reciprocal();
    for (std::size_t j = 0; j < kN; ++j) {
        if (!std::isfinite(to[k * kN + j]) || !std::isfinite(to[j * kN + k])) {
            throw FloatingOverflow();
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Products.
//
// Both products keep ten running sums at once: each sum still adds its terms in
// the order j = 0..99 and is rounded to double after every addition, but the ten
// independent chains let the additions overlap. Every rounding to double goes
// through memory on the x87 unit, so a chain is long and four were too few.
// Every y(i) starts from 0 in its running sum and is written once at the end.
constexpr std::size_t kSums = 10;
static_assert(kN % kSums == 0);

void MatVecMul(const Matrix100& a, const Vector100& x, Vector100& y) {
    for (std::size_t i = 0; i < kN; i += kSums) {
        const double* rows = &a[i * kN];
        double s[kSums] = {};
        for (std::size_t j = 0; j < kN; ++j) {
            AddProductsStrided(s, rows + j, kN, x[j]);  // s[r] := A(i + r, j) * x(j) + s[r]
        }
        std::copy(s, s + kSums, &y[i]);
    }
}

void VecMatMul(const Vector100& x, const Matrix100& a, Vector100& y) {
    for (std::size_t i = 0; i < kN; i += kSums) {
        double s[kSums] = {};
        for (std::size_t j = 0; j < kN; ++j) {
            AddProducts(s, x[j], &a[j * kN + i]);  // s[c] := x(j) * A(j, i + c) + s[c]
        }
        std::copy(s, s + kSums, &y[i]);
    }
}

double DotProduct(const Vector100& a, const Vector100& b) {
    double s = 0.0;
    for (std::size_t j = 0; j < kN; ++j) {
        s = AddProduct(s, a[j], b[j]);
    }
    return s;
}

// ---------------------------------------------------------------------------
// Inversion.

void InvertMatrix(Matrix100& a) {
    // The two buffers take turns as source and destination, so a completed step
    // needs no copy; A receives the last completed step when the work ends.
    // A symmetric matrix goes through the half form, which computes about half of
    // the elements, and is made whole again at the end.
    // Left uninitialised, as make_unique_for_overwrite would (which not every library has).
    const std::unique_ptr<Matrix100> work(new Matrix100);
    const bool symmetric = IsFiniteSymmetric(a);
    Matrix100* current = &a;
    Matrix100* next = work.get();
    std::size_t done = 0;
    try {
        for (; done < kN; ++done) {
            const std::size_t k = done;
            if ((*current)[k * kN + k] == 0.0) {
                const double ak0 = symmetric ? HalfFormElement(*current, k, 0, done) : (*current)[k * kN];
                ThrowZeroPivot(k, ak0, (*current)[k]);
            }
            if (symmetric) {
                SymmetricExchangeStep(*current, *next, k);
            } else {
                ExchangeStep(*current, *next, k);
            }
            std::swap(current, next);
        }
    } catch (...) {
        if (symmetric) {
            FillLowerHalf(*current, done);
        }
        if (current != &a) {
            a = *current;
        }
        throw;
    }
    if (symmetric) {
        FillLowerHalf(*current, done);
    }
    if (current != &a) {
        a = *current;
    }
}

}  // namespace strs
