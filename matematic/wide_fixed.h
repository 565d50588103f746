#pragma once
// Fixed-point numbers of N 64-bit limbs for the elementary functions: two's complement,
// 16 integer bits (the sign included) and 64N - 16 fraction bits. Every operation is
// integer arithmetic, so each result is the same on every processor. Sums are exact;
// products and quotients are truncated, and the callers' error bounds count that.

#include <array>
#include <bit>
#include <cstdint>

#include "core/binary_format.h"

namespace strs::wide {

using strs::Int128;
using strs::Uint128;

template <int N>
class Fixed {
public:
    static_assert(N >= 2);
    static constexpr int kFractionBits = 64 * N - 16;

    Fixed() = default;

    // v exactly; |v| < 2^15.
    static Fixed FromInteger(std::int64_t v) {
        Fixed r;
        r.limbs_[N - 1] = static_cast<std::uint64_t>(v) << 48;
        return r;
    }

    // +-magnitude * 2^exponent, the bits below the last fraction bit dropped; the value
    // must lie below 2^15.
    static Fixed FromScaled(Uint128 magnitude, bool negative, int exponent) {
        Fixed r;
        const int position = kFractionBits + exponent;  // of the magnitude's lowest bit
        for (int half = 0; half < 2; ++half) {
            r.addShiftedWord(static_cast<std::uint64_t>(magnitude >> (64 * half)), position + 64 * half);
        }
        return negative ? -r : r;
    }

    // a / b rounded toward zero; |a / b| < 2^15, b > 0.
    static Fixed Ratio(std::int64_t a, std::uint64_t b) {
        const std::uint64_t magnitude = a < 0 ? 0 - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
        // |a| * 2^kFractionBits spans limbs N-1 and N of a number one limb longer.
        std::array<std::uint64_t, N + 1> numerator{};
        numerator[N - 1] = magnitude << 48;
        numerator[N] = magnitude >> 16;
        Fixed r;
        std::uint64_t remainder = 0;
        for (int i = N; i >= 0; --i) {
            const Uint128 current = (static_cast<Uint128>(remainder) << 64) | numerator[i];
            const auto quotient = static_cast<std::uint64_t>(current / b);
            remainder = static_cast<std::uint64_t>(current % b);
            if (i < N) {
                r.limbs_[i] = quotient;
            }
        }
        return a < 0 ? -r : r;
    }

    // this * 2^fractionBits rounded down, which must fit in 64 bits.
    std::int64_t narrowed(int fractionBits) const {
        return static_cast<std::int64_t>(bitsFrom(kFractionBits - fractionBits));
    }

    bool isNegative() const { return (limbs_[N - 1] >> 63) != 0; }

    bool isZero() const {
        for (std::uint64_t limb : limbs_) {
            if (limb != 0) {
                return false;
            }
        }
        return true;
    }

    Fixed operator-() const {
        Fixed r;
        std::uint64_t borrow = 1;  // ~x + 1
        for (int i = 0; i < N; ++i) {
            r.limbs_[i] = ~limbs_[i] + borrow;
            borrow = borrow != 0 && r.limbs_[i] == 0 ? 1 : 0;
        }
        return r;
    }

    Fixed abs() const { return isNegative() ? -*this : *this; }

    Fixed operator+(const Fixed& b) const {
        Fixed r;
        std::uint64_t carry = 0;
        for (int i = 0; i < N; ++i) {
            const Uint128 sum = static_cast<Uint128>(limbs_[i]) + b.limbs_[i] + carry;
            r.limbs_[i] = static_cast<std::uint64_t>(sum);
            carry = static_cast<std::uint64_t>(sum >> 64);
        }
        return r;
    }

    Fixed operator-(const Fixed& b) const { return *this + -b; }

    // The exact product rounded down to the last fraction bit.
    Fixed operator*(const Fixed& b) const {
        if constexpr (N == 2) {
            return productOfTwoLimbs(b);
        }
        std::array<std::uint64_t, 2 * N> p{};
        for (int i = 0; i < N; ++i) {
            std::uint64_t carry = 0;
            for (int j = 0; j < N; ++j) {
                const Uint128 t = static_cast<Uint128>(limbs_[i]) * b.limbs_[j] + p[i + j] + carry;
                p[i + j] = static_cast<std::uint64_t>(t);
                carry = static_cast<std::uint64_t>(t >> 64);
            }
            p[i + N] = carry;
        }
        // The unsigned product counts a negative factor as 2^(64N) more than it is; the
        // corrections are masked rather than branched on, as the signs are unpredictable.
        subtractFromUpperHalf(p, b, signMask());
        subtractFromUpperHalf(p, *this, b.signMask());
        Fixed r;  // p >> kFractionBits, kFractionBits = 64 (N - 1) + 48
        for (int k = 0; k < N; ++k) {
            r.limbs_[k] = (p[k + N - 1] >> 48) | (p[k + N] << 16);
        }
        return r;
    }

    // this * v * 2^-fractionBits, 64 <= fractionBits < 128, rounded toward zero: the
    // product with a 64-bit number at a fixed scale, in half the multiplications.
    Fixed timesNarrow(std::int64_t v, int fractionBits) const
        requires(N == 2)
    {
        const Uint128 a = abs().asUint128();
        const std::uint64_t b = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        const Uint128 low = static_cast<Uint128>(static_cast<std::uint64_t>(a)) * b;
        const Uint128 high = static_cast<Uint128>(static_cast<std::uint64_t>(a >> 64)) * b;
        const Uint128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
        const Uint128 top = ((high >> 64) + (middle >> 64)) << 64 | static_cast<std::uint64_t>(middle);  // >> 64
        const Uint128 magnitude = top >> (fractionBits - 64);
        Fixed r;
        r.limbs_[0] = static_cast<std::uint64_t>(magnitude);
        r.limbs_[1] = static_cast<std::uint64_t>(magnitude >> 64);
        return (v < 0) != isNegative() ? -r : r;
    }

    // this / 2, rounded down.
    Fixed halved() const {
        Fixed r;
        for (int i = 0; i < N; ++i) {
            const std::uint64_t above = i + 1 < N ? limbs_[i + 1] : signMask();
            r.limbs_[i] = (limbs_[i] >> 1) | (above << 63);
        }
        return r;
    }

    // The exact product with an integer; the result must stay below 2^15.
    Fixed times(std::int64_t k) const {
        const Fixed a = k < 0 ? -*this : *this;
        const std::uint64_t m = k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
        Fixed r;
        std::uint64_t carry = 0;
        for (int i = 0; i < N; ++i) {
            const Uint128 t = static_cast<Uint128>(a.limbs_[i]) * m + carry;
            r.limbs_[i] = static_cast<std::uint64_t>(t);
            carry = static_cast<std::uint64_t>(t >> 64);
        }
        return r;
    }

    // The quotient by a positive integer, rounded toward zero.
    Fixed dividedBy(std::uint64_t d) const {
        const Fixed a = abs();
        Fixed r;
        std::uint64_t remainder = 0;
        for (int i = N - 1; i >= 0; --i) {
            const Uint128 current = (static_cast<Uint128>(remainder) << 64) | a.limbs_[i];
            r.limbs_[i] = static_cast<std::uint64_t>(current / d);
            remainder = static_cast<std::uint64_t>(current % d);
        }
        return isNegative() ? -r : r;
    }

    // this * 2^bits, exact; the result must stay below 2^15.
    Fixed shiftedLeft(int bits) const {
        Fixed r;
        for (int i = 0; i < N; ++i) {
            r.addShiftedWord(limbs_[i], 64 * i + bits);
        }
        return r;
    }

    // The same number with M < N limbs, rounded to the nearest (halves up).
    template <int M>
    Fixed<M> rounded() const {
        static_assert(M < N);
        constexpr int dropped = N - M;
        const bool roundUp = (limbs_[dropped - 1] >> 63) != 0;
        std::array<std::uint64_t, M> kept{};
        std::uint64_t carry = roundUp ? 1 : 0;
        for (int i = 0; i < M; ++i) {
            kept[i] = limbs_[i + dropped] + carry;
            carry = carry != 0 && kept[i] == 0 ? 1 : 0;
        }
        return Fixed<M>::fromLimbs(kept);
    }

    static Fixed fromLimbs(const std::array<std::uint64_t, N>& limbs) {
        Fixed r;
        r.limbs_ = limbs;
        return r;
    }

    // For a non-negative value: as an unsigned integer plus a small one.
    Fixed plusUnits(std::uint64_t units) const {
        Fixed r;
        r.limbs_[0] = units;
        return *this + r;
    }

    Fixed minusUnits(std::uint64_t units) const {
        Fixed r;
        r.limbs_[0] = units;
        return *this - r;
    }

    // Bit positions count from the last fraction bit, 0, up to 64N - 1.
    // The highest set bit of a positive value, -1 for zero.
    int highestBit() const {
        if constexpr (N == 2) {
            return limbs_[1] != 0 ? 127 - std::countl_zero(limbs_[1]) : 63 - std::countl_zero(limbs_[0]);
        }
        for (int i = N - 1; i >= 0; --i) {
            if (limbs_[i] != 0) {
                return 64 * i + 63 - std::countl_zero(limbs_[i]);
            }
        }
        return -1;
    }

    // The 64 bits from position lo upward (lo may be negative: zeros shifted in).
    std::uint64_t bitsFrom(int lo) const {
        if constexpr (N == 2) {  // the rounding of every first attempt, without the loop's branches
            if (lo >= 0) {
                return lo < 128 ? static_cast<std::uint64_t>(asUint128() >> lo) : 0;
            }
            return lo > -64 ? limbs_[0] << -lo : 0;
        }
        std::uint64_t r = 0;
        for (int i = 0; i < N; ++i) {
            const int shift = 64 * i - lo;  // where limb i lands in the result
            if (shift > -64 && shift < 64) {
                r |= shift >= 0 ? limbs_[i] << shift : limbs_[i] >> -shift;
            }
        }
        return r;
    }

    bool bit(int position) const {
        if (position < 0 || position >= 64 * N) {
            return false;
        }
        return ((limbs_[position / 64] >> (position % 64)) & 1) != 0;
    }

    // Whether any bit below position is set.
    bool anyBelow(int position) const {
        for (int i = 0; i < N && 64 * i < position; ++i) {
            const int width = position - 64 * i;
            const std::uint64_t mask = width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
            if ((limbs_[i] & mask) != 0) {
                return true;
            }
        }
        return false;
    }

private:
    // Adds word * 2^position into the limbs (position may be negative), bits beyond the
    // top dropped; used on fresh values where the word's bits land on zeros.
    void addShiftedWord(std::uint64_t word, int position) {
        for (int i = 0; i < N; ++i) {
            const int shift = position - 64 * i;
            if (shift > -64 && shift < 64) {
                limbs_[i] |= shift >= 0 ? word << shift : word >> -shift;
            }
        }
    }

    // operator* for N = 2 in registers: the fast attempts make most of their products so.
    Fixed productOfTwoLimbs(const Fixed& b) const {
        const Uint128 low = static_cast<Uint128>(limbs_[0]) * b.limbs_[0];
        const Uint128 cross1 = static_cast<Uint128>(limbs_[0]) * b.limbs_[1];
        const Uint128 cross2 = static_cast<Uint128>(limbs_[1]) * b.limbs_[0];
        const Uint128 high = static_cast<Uint128>(limbs_[1]) * b.limbs_[1];
        const Uint128 middle = (low >> 64) + static_cast<std::uint64_t>(cross1) + static_cast<std::uint64_t>(cross2);
        Uint128 top = high + (cross1 >> 64) + (cross2 >> 64) + (middle >> 64);  // the product >> 128
        top -= (b.asUint128() & ((Uint128{signMask()} << 64) | signMask())) +
               (asUint128() & ((Uint128{b.signMask()} << 64) | b.signMask()));
        const Uint128 r = (top << 16) | (static_cast<std::uint64_t>(middle) >> 48);  // the product >> 112
        Fixed f;
        f.limbs_[0] = static_cast<std::uint64_t>(r);
        f.limbs_[1] = static_cast<std::uint64_t>(r >> 64);
        return f;
    }

    Uint128 asUint128() const { return (static_cast<Uint128>(limbs_[1]) << 64) | limbs_[0]; }

    std::uint64_t signMask() const { return 0 - (limbs_[N - 1] >> 63); }

    static void subtractFromUpperHalf(std::array<std::uint64_t, 2 * N>& p, const Fixed& v, std::uint64_t mask) {
        std::uint64_t borrow = 0;
        for (int i = 0; i < N; ++i) {
            const Uint128 difference = static_cast<Uint128>(p[N + i]) - (v.limbs_[i] & mask) - borrow;
            p[N + i] = static_cast<std::uint64_t>(difference);
            borrow = static_cast<std::uint64_t>(difference >> 64) & 1;
        }
    }

    std::array<std::uint64_t, N> limbs_{};  // least significant first
};

}  // namespace strs::wide
