#pragma once
// The constants of the elementary functions' tables, summed from their series with small
// integer ratios, so that the tables need no digits typed in: a table of N limbs is
// summed with N + 1 limbs and rounded, which leaves each entry within one unit of its
// last place.

#include <array>
#include <cstdint>

#include "matematic/wide_fixed.h"

namespace strs::wide {

// 2 atanh(w) = ln((1 + w) / (1 - w)) = 2 (w + w^3/3 + w^5/5 + ...), |w| <= 1/3.
template <int N>
Fixed<N> TwiceAtanh(const Fixed<N>& w) {
    const Fixed<N> magnitude = w.abs();
    const Fixed<N> square = magnitude * magnitude;
    Fixed<N> sum = magnitude;
    Fixed<N> power = magnitude;  // |w|^(2k+1), rounded down, so it reaches zero
    for (std::uint64_t k = 1; !(power = power * square).isZero(); ++k) {
        sum = sum + power.dividedBy(2 * k + 1);
    }
    sum = sum.times(2);
    return w.isNegative() ? -sum : sum;
}

// ln(a / b) for positive integers with a / b in [1/2, 2].
template <int N>
Fixed<N> LnOfRatio(std::int64_t a, std::int64_t b) {
    return TwiceAtanh(Fixed<N>::Ratio(a - b, static_cast<std::uint64_t>(a + b)));
}

// e^(a / 2^shift) = sum of (a / 2^shift)^k / k!, |a / 2^shift| < 1.
template <int N>
Fixed<N> ExpOfDyadic(std::int64_t a, int shift) {
    const Fixed<N> w = Fixed<N>::FromDyadic(a < 0 ? -a : a, shift);
    Fixed<N> sum = Fixed<N>::FromInteger(1);
    Fixed<N> term = sum;  // |w|^k / k!
    for (std::uint64_t k = 1; !(term = (term * w).dividedBy(k)).isZero(); ++k) {
        sum = (a < 0 && k % 2 == 1) ? sum - term : sum + term;
    }
    return sum;
}

// p(z) = c[0] + z (c[1] + z (c[2] + ...)).
template <int N, std::size_t Count>
Fixed<N> Horner(const std::array<Fixed<N>, Count>& c, const Fixed<N>& z) {
    Fixed<N> p = c[Count - 1];
    for (std::size_t k = Count - 1; k-- > 0;) {
        p = p * z + c[k];
    }
    return p;
}

// The fraction bits of the 64-bit evaluations: coefficients and partial sums below 2 in
// magnitude.
inline constexpr int kNarrowFractionBits = 62;

// The coefficients at 2^-62, for HornerWithNarrowTail.
template <int N, std::size_t Count>
std::array<std::int64_t, Count> Narrowed(const std::array<Fixed<N>, Count>& c) {
    std::array<std::int64_t, Count> narrow{};
    for (std::size_t k = 0; k < Count; ++k) {
        narrow[k] = c[k].narrowed(kNarrowFractionBits);
    }
    return narrow;
}

// The same polynomial for |z| <= 2^-zBits, with the terms from c[Head] on summed in 64-bit
// integers: their share of p is below |z|^Head, so the 2^-62 of each of those steps counts
// for 2^(-62 - Head zBits) only, and each wide product saved counts for more than the
// digits lost.
template <std::size_t Head, int N, std::size_t Count>
Fixed<N> HornerWithNarrowTail(const std::array<Fixed<N>, Count>& c, const std::array<std::int64_t, Count>& narrow,
                              const Fixed<N>& z, int zBits) {
    static_assert(Head < Count);
    const int zFractionBits = kNarrowFractionBits + zBits;
    const std::int64_t zNarrow = z.narrowed(zFractionBits);
    std::int64_t q = narrow[Count - 1];
    for (std::size_t k = Count - 1; k-- > Head;) {
        q = narrow[k] + static_cast<std::int64_t>((static_cast<Int128>(q) * zNarrow) >> zFractionBits);
    }
    Fixed<N> p = Fixed<N>::FromNarrow(q, kNarrowFractionBits);
    for (std::size_t k = Head; k-- > 0;) {
        p = p * z + c[k];
    }
    return p;
}

// The polynomial as the attempt with N limbs evaluates it: the first with the narrow tail,
// the more precise ones in full.
template <std::size_t Head, int N, std::size_t Count>
Fixed<N> EvaluatePolynomial(const std::array<Fixed<N>, Count>& c, const std::array<std::int64_t, Count>& narrow,
                            const Fixed<N>& z, int zBits) {
    if constexpr (N == 2) {
        return HornerWithNarrowTail<Head>(c, narrow, z, zBits);
    } else {
        return Horner(c, z);
    }
}

}  // namespace strs::wide
