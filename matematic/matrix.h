#pragma once
// Fixed-size linear algebra for the block Wiener estimator.
//
// Matrix100 is 100 x 100 doubles stored row by row: element (i, j) is at
// i * 100 + j. Vector100 is 100 doubles. Every routine always processes all 100
// rows, columns and elements. Products are formed in extended precision and the
// running sums are doubles, so each sum is rounded to double after every addition.

#include <array>
#include <cstddef>

namespace strs {

inline constexpr std::size_t kMatrixOrder = 100;

using Matrix100 = std::array<double, kMatrixOrder * kMatrixOrder>;
using Vector100 = std::array<double, kMatrixOrder>;

// y = A x:  y(i) = 0; for j = 0..99: y(i) := A(i, j) * x(j) + y(i).
// y must be a different array from x.
void MatVecMul(const Matrix100& a, const Vector100& x, Vector100& y);

// y = x^T A:  y(i) = 0; for j = 0..99: y(i) := x(j) * A(j, i) + y(i)
// (column i of A walked from top to bottom). y must be a different array from x.
void VecMatMul(const Vector100& x, const Matrix100& a, Vector100& y);

// s = 0; for j = 0..99: s := a(j) * b(j) + s, with s a double.
double DotProduct(const Vector100& a, const Vector100& b);

// Replaces A by its inverse: Gauss-Jordan elimination in the exchange form on the
// diagonal, with no pivot search, no row or column exchange and no scaling.
// For k = 0..99, with p = A(k, k), the next matrix W is built from the current A:
//     W(k, k) = 1 / p
//     W(k, j) = -A(k, j) / p                      j != k
//     W(i, k) = A(i, k) / p                       i != k
//     W(i, j) = A(i, j) - (A(k, j) * A(i, k)) / p i != k, j != k
// (product, then division, then subtraction, all in extended precision; each
// element stored as a double). A takes W only once the whole step is done.
//
// Failures leave A holding the matrix of the last completed step:
//   - a zero pivot fails before its step computes anything. The step's first
//     division in row-major order decides the error: element (0, 0), which is
//     1/p when k = 0 (DivisionByZero) and (A(k, 0) * A(0, k)) / p otherwise
//     (InvalidOperation when that product is 0, DivisionByZero when it is not);
//   - an element beyond the double range -> FloatingOverflow.
//
// An exactly symmetric A (every A(i, j) == A(j, i), all finite; the Wiener filter's
// correlation matrices) is worked in a half form that computes about half of the
// elements of each step. Results, failures and the matrix a failure leaves are
// those of the steps above, bit for bit.
void InvertMatrix(Matrix100& a);

}  // namespace strs
