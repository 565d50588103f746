#pragma once
// The labs' hot steps with the software extended type, fast. An extended intermediate is
// held as the exact sum of two doubles and rounded to the extended format's 64-bit grid
// with the exact transformations of double_double.h; independent steps go two at a time.
// Each step checks, with the comparisons alone, that its numbers stayed where those
// transformations are exact (normal numbers, no binade change left open, no tie that
// may not be one); where a step of a group did not, the group is done again one step at
// a time, and a single step that does not hold is done by the software type itself,
// operation by operation. Either way the result has the x87's bits: every operation
// rounded to 64 bits, to nearest with ties to even, and the store to double to 53.
//
// Compiled in every build, so that the tests can hold it against the x87 where there is one.

#include <cstddef>

#include "matematic/double_double.h"

namespace strs::soft {

// The steps done by the software type operation by operation, for the cases the fast
// ones leave (out of line). X(v) is v as an extended number.
double ExactAddProduct(double sum, double a, double b);             // double(X(a) * b + sum)
double ExactQuotient(double x, double p);                           // double(X(x) / p)
double ExactUpdated(double aij, double akj, double aik, double p);  // double(aij - X(akj) * aik / p)

namespace detail {

using dd::Mask;

// ExactAddProduct, with a zero product at once (out of line).
double OtherAddProduct(double sum, double a, double b);

// a b rounded to 64 bits, as high + low exactly: low on the 64-bit grid of high's binade
// and |low| <= 2^-53 |high|.
template <class V>
[[gnu::always_inline]] inline dd::Sum<V> ExtendedProduct(V a, const dd::Split<V>& as, V b, const dd::Split<V>& bs,
                                                         Mask<V>& ok) {
    const dd::Sum<V> exact = dd::ExactProduct(a, as, b, bs);
    // Dekker's product is exact above the subnormals by the factors' width; the grid is
    // high's unless high is a power of two with the product below it. Zeros leave too.
    const V ah = dd::Abs(exact.high);
    ok &= dd::AtLeast(ah, 0x1p-900) & dd::Differ(ah, dd::Binade(exact.high));
    return {exact.high, dd::RoundToGrid(exact.low, dd::GridRounder(exact.high))};
}

// x + s rounded to 64 bits and then to 53, as the x87 adds two extended numbers and
// stores the sum to a double; x.low lies on the 64-bit grid of x.high's binade with
// |x.low| <= 2^-50 |x.high|.
//
// The exact sum is t.high + t.low + x.low, t.high a multiple of two units of the grid
// it is rounded to, so that only rest = t.low + x.low is rounded to the grid. Where rest
// is a double, the double's rounding to the grid is the extended one, ties included; a
// sum landing a binade above x makes such ties common (x.low's last bit is then half a
// unit of the grid), so whether rest is a double is found out rather than every tie
// left. Where rest is not a double, the double nearest to it lies between the same two
// middles of grid points as rest itself, or on one of them (the middles are doubles, and
// rounding is monotonic): only a tie that may not be one is left.
template <class V>
[[gnu::always_inline]] inline V StoredSum(const dd::Sum<V>& x, V s, Mask<V>& ok) {
    const dd::Sum<V> t = dd::ExactSum(x.high, s);
    const dd::Sum<V> r = dd::ExactSum(t.low, x.low);
    const V rest = r.high;
    // near has the exact sum's binade, unless near is a power of two. The checks also
    // leave NaNs (the first fails) and infinities (a power of two's fields); near the top
    // of the range the final rounding overflows to infinity as the x87's store does.
    const V near = t.high + rest;
    const V rounder = dd::GridRounder(near);
    const V rounded = dd::RoundToGrid(rest, rounder);
    const V an = dd::Abs(near);
    ok &= dd::AtLeast(an, 0x1p-900) & dd::Differ(an, dd::Binade(near)) &
          (dd::IsZero(r.low) | dd::Differ(dd::Abs(rest - rounded), dd::HalfGridUnit(rounder)));
    return t.high + rounded;  // the one rounding to 53 bits
}

template <class V>
[[gnu::always_inline]] inline V AddProduct(V sum, V a, const dd::Split<V>& as, V b, Mask<V>& ok) {
    return StoredSum(ExtendedProduct(a, as, b, dd::SplitOf(b), ok), sum, ok);
}

// The steps r < N in pairs (pair(p, ok) for p < N / 2): where all held, their results;
// otherwise every step alone (single(r)).
template <std::size_t N, class Pair, class Single>
[[gnu::always_inline]] inline void InPairs(double* results, Pair pair, Single single) {
    constexpr std::size_t kPairs = N / 2;
    if constexpr (kPairs > 0) {
        dd::DoublePair fast[kPairs];
        dd::Mask<dd::DoublePair> ok = dd::AllLanes<dd::DoublePair>();
        for (std::size_t p = 0; p < kPairs; ++p) {
            fast[p] = pair(p, ok);
        }
        if (dd::All(ok)) [[likely]] {
            for (std::size_t p = 0; p < kPairs; ++p) {
                dd::StorePair(results + 2 * p, fast[p]);
            }
        } else {
            for (std::size_t r = 0; r < 2 * kPairs; ++r) {
                results[r] = single(r);
            }
        }
    }
    if constexpr (N % 2 != 0) {
        results[N - 1] = single(N - 1);
    }
}

}  // namespace detail

inline double AddProduct(double sum, double a, double b) {
    dd::Mask<double> ok = true;
    const double fast = detail::AddProduct(sum, a, dd::SplitOf(a), b, ok);
    return ok ? fast : detail::OtherAddProduct(sum, a, b);
}

// sums[r] = double(X(a) * b[r] + sums[r]) for every r.
template <std::size_t N>
[[gnu::always_inline]] inline void AddProducts(double (&sums)[N], double a, const double* b) {
    const auto ap = dd::Broadcast<dd::DoublePair>(a);
    const dd::Split<dd::DoublePair> as = dd::SplitOf(ap);
    detail::InPairs<N>(
        sums,
        [&](std::size_t p, dd::Mask<dd::DoublePair>& ok) __attribute__((always_inline)) {
            return detail::AddProduct(dd::LoadPair(sums + 2 * p), ap, as, dd::LoadPair(b + 2 * p), ok);
        },
        [&](std::size_t r) { return AddProduct(sums[r], a, b[r]); });
}

// sums[r] = double(X(a[r * stride]) * b + sums[r]) for every r.
template <std::size_t N>
[[gnu::always_inline]] inline void AddProductsStrided(double (&sums)[N], const double* a, std::size_t stride, double b) {
    const auto bp = dd::Broadcast<dd::DoublePair>(b);
    const dd::Split<dd::DoublePair> bs = dd::SplitOf(bp);
    detail::InPairs<N>(
        sums,
        [&](std::size_t p, dd::Mask<dd::DoublePair>& ok) __attribute__((always_inline)) {
            // The factors change places: the exact product and its rounding are the same.
            return detail::AddProduct(dd::LoadPair(sums + 2 * p), bp, bs,
                                             dd::DoublePair{a[2 * p * stride], a[(2 * p + 1) * stride]}, ok);
        },
        [&](std::size_t r) { return AddProduct(sums[r], a[r * stride], b); });
}

// Divisions by one pivot p: the pivot's reciprocal is found once, and each quotient is
// the correctly rounded one, found from the reciprocal's estimate and the exact remainder.
class PivotDivision {
public:
    explicit PivotDivision(double pivot);

    double reciprocal() const { return reciprocal_; }  // double(1 / X(p))
    double quotient(double x) const;                    // double(X(x) / p)
    double negatedQuotient(double x) const;             // double(-X(x) / p)
    // double(aij - X(akj) * aik / p): the product, then the quotient, then the difference.
    double updated(double aij, double akj, double aik) const;
    // dst[j] = updated(src[j], pivotRow[j], aik) for j < count.
    void updateRun(double* dst, const double* src, const double* pivotRow, double aik, std::size_t count) const;

private:
    // (x.high + x.low) / p rounded to 64 bits, as high + low exactly, low on the 64-bit
    // grid of the quotient's binade; x as ExtendedProduct gives it.
    template <class V>
    [[gnu::always_inline]] dd::Sum<V> extendedQuotient(const dd::Sum<V>& x, dd::Mask<V>& ok) const {
        const V inverse = dd::Broadcast<V>(inverse_);
        const V pivot = dd::Broadcast<V>(pivot_);
        const dd::Split<V> pivotSplit = {dd::Broadcast<V>(pivotSplit_.high), dd::Broadcast<V>(pivotSplit_.low)};
        const V q1 = x.high * inverse;  // within 2^-51 of the quotient
        const dd::Sum<V> back = dd::ExactProduct(q1, dd::SplitOf(q1), pivot, pivotSplit);
        // x - q1 p, to 2^-101 |x.high|: x.high - back.high is exact, being so near.
        const V remainder = ((x.high - back.high) - back.low) + x.low;
        const V correction = remainder * inverse;  // the quotient - q1, to 2^-100 of the quotient
        const V near = q1 + correction;
        const V rounder = dd::GridRounder(near);
        const V low = dd::RoundToGrid(correction, rounder);
        // Decided unless the correction lies within its error of a middle between two
        // grid points; then the exact quotient may lie on the other side.
        const V halfUnit = dd::HalfGridUnit(rounder);
        const V offMiddle = dd::Abs(dd::Abs(correction - low) - halfUnit);
        const V ax = dd::Abs(x.high);
        const V an = dd::Abs(near);
        ok &= dd::Above(offMiddle, halfUnit * 0x1p-29) & dd::AtLeast(ax, 0x1p-900) & dd::AtLeast(an, 0x1p-900) &
              dd::AtMost(an, 0x1p900) & dd::Differ(an, dd::Binade(near));
        return {q1, low};
    }

    template <class V>
    [[gnu::always_inline]] V updatedFast(V aij, V akj, V aik, const dd::Split<V>& aikSplit, dd::Mask<V>& ok) const {
        const dd::Sum<V> quotient =
            extendedQuotient(detail::ExtendedProduct(akj, dd::SplitOf(akj), aik, aikSplit, ok), ok);
        return detail::StoredSum<V>({-quotient.high, -quotient.low}, aij, ok);
    }

    // updated() where the fast step does not hold: a zero product at once, the rest exactly.
    double updatedOther(double aij, double akj, double aik) const;

    double pivot_;
    double inverse_;  // 1 / p rounded to double
    dd::Split<double> pivotSplit_;
    double reciprocal_;
};

}  // namespace strs::soft
