#include "matematic/soft_kernels.h"

#include <cmath>

#include "matematic/soft_extended.h"

namespace strs::soft {
namespace {

using X = SoftExtended;

// A zero factor makes the product an exact zero, and every operation after it exact in
// double arithmetic too, signs of zero included, while the other numbers are ordinary.
bool ZeroProduct(double a, double b) { return (a == 0 || b == 0) && std::isfinite(a) && std::isfinite(b); }

}  // namespace

double ExactAddProduct(double sum, double a, double b) { return static_cast<double>(X(a) * X(b) + X(sum)); }

double ExactQuotient(double x, double p) { return static_cast<double>(X(x) / X(p)); }

double ExactUpdated(double aij, double akj, double aik, double p) {
    return static_cast<double>(X(aij) - X(akj) * X(aik) / X(p));
}

namespace detail {

double OtherAddProduct(double sum, double a, double b) {
    if (ZeroProduct(a, b) && !std::isnan(sum)) {
        return sum + a * b;
    }
    return ExactAddProduct(sum, a, b);
}

}  // namespace detail

PivotDivision::PivotDivision(double pivot)
    : pivot_(pivot), inverse_(1 / pivot), pivotSplit_(dd::SplitOf(pivot)), reciprocal_(ExactQuotient(1, pivot)) {}

double PivotDivision::quotient(double x) const {
    dd::Mask<double> ok = true;
    const dd::Sum<double> q = extendedQuotient<double>({x, 0.0}, ok);
    return ok ? q.high + q.low : ExactQuotient(x, pivot_);
}

double PivotDivision::negatedQuotient(double x) const { return quotient(-x); }

double PivotDivision::updated(double aij, double akj, double aik) const {
    dd::Mask<double> ok = true;
    const double fast = updatedFast(aij, akj, aik, dd::SplitOf(aik), ok);
    return ok ? fast : updatedOther(aij, akj, aik);
}

double PivotDivision::updatedOther(double aij, double akj, double aik) const {
    if (ZeroProduct(akj, aik) && std::isfinite(aij) && pivot_ != 0 && !std::isnan(pivot_)) {
        return aij - akj * aik / pivot_;
    }
    return ExactUpdated(aij, akj, aik, pivot_);
}

void PivotDivision::updateRun(double* dst, const double* src, const double* pivotRow, double aik,
                              std::size_t count) const {
    const auto aikPair = dd::Broadcast<dd::DoublePair>(aik);
    const dd::Split<dd::DoublePair> aikSplit = dd::SplitOf(aikPair);
    std::size_t j = 0;
    // Blocks of four pairs, then of one, so that at most one step is left alone.
    const auto blocks = [&]<std::size_t kBlock>() __attribute__((always_inline)) {
        for (; j + kBlock <= count; j += kBlock) {
            detail::InPairs<kBlock>(
                dst + j,
                [&](std::size_t p, dd::Mask<dd::DoublePair>& ok) __attribute__((always_inline)) {
                    const std::size_t k = j + 2 * p;
                    return updatedFast(dd::LoadPair(src + k), dd::LoadPair(pivotRow + k), aikPair, aikSplit, ok);
                },
                [&](std::size_t r) { return updated(src[j + r], pivotRow[j + r], aik); });
        }
    };
    blocks.template operator()<8>();
    blocks.template operator()<2>();
    if (j < count) {
        dst[j] = updated(src[j], pivotRow[j], aik);
    }
}

}  // namespace strs::soft
