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

// e^y = sum of y^k / k!, 0 <= y < 1.
template <int N>
Fixed<N> ExpSeries(const Fixed<N>& y) {
    Fixed<N> sum = Fixed<N>::FromInteger(1);
    Fixed<N> term = sum;  // y^k / k!, rounded down, so it reaches zero
    for (std::uint64_t k = 1; !(term = (term * y).dividedBy(k)).isZero(); ++k) {
        sum = sum + term;
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

// The fraction bits of the 64-bit evaluations: coefficients below 2 in magnitude.
inline constexpr int kNarrowFractionBits = 62;

// The coefficients at 2^-62.
template <int N, std::size_t Count>
std::array<std::int64_t, Count> Narrowed(const std::array<Fixed<N>, Count>& c) {
    std::array<std::int64_t, Count> narrow{};
    for (std::size_t k = 0; k < Count; ++k) {
        narrow[k] = c[k].narrowed(kNarrowFractionBits);
    }
    return narrow;
}

// z (c[From] + z (c[From + 1] + ...)) in 64-bit integers, for the first attempts: zNarrow
// is z * 2^(62 + zBits), |z| < 2^-zBits, and so is the result. Each step is off by one unit
// at most, 2^-62 in the parentheses.
template <std::size_t From, std::size_t Count>
std::int64_t NarrowTail(const std::array<std::int64_t, Count>& c, std::int64_t zNarrow, int zBits) {
    const int zFractionBits = kNarrowFractionBits + zBits;
    std::int64_t t = c[Count - 1];
    for (std::size_t k = Count - 1; k-- > From;) {
        t = c[k] + static_cast<std::int64_t>((static_cast<Int128>(t) * zNarrow) >> zFractionBits);
    }
    return static_cast<std::int64_t>((static_cast<Int128>(t) * zNarrow) >> kNarrowFractionBits);
}

}  // namespace strs::wide
