#pragma once
// Exact arithmetic on doubles, the ground of the software type's fast steps: Dekker's
// product and Knuth's sum, exact in IEEE double arithmetic without a fused multiply-add
// (as long as nothing overflows or comes near the subnormals), and the rounding of a
// number held as a sum of two doubles to the extended format's 64-bit grid.
//
// Every routine is written once for a double and for a pair of doubles, two lanes that
// x86's SSE2, ARM's NEON and WebAssembly's SIMD128 each compute in one instruction, and
// that the compiler splits into two where a processor has no such instructions. A lane's
// result never depends on the other lane.

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace strs::dd {

typedef double DoublePair __attribute__((vector_size(16)));
typedef std::uint64_t BitsPair __attribute__((vector_size(16)));

// The bits of a lane.
inline std::uint64_t BitsOf(double x) { return __builtin_bit_cast(std::uint64_t, x); }
inline BitsPair BitsOf(DoublePair x) { return __builtin_bit_cast(BitsPair, x); }
inline double FromBits(std::uint64_t b) { return __builtin_bit_cast(double, b); }
inline DoublePair FromBits(BitsPair b) { return __builtin_bit_cast(DoublePair, b); }

// x in every lane.
template <class V>
V Broadcast(double x) {
    if constexpr (std::is_same_v<V, double>) {
        return x;
    } else {
        return V{x, x};
    }
}

// Two neighbouring doubles as a pair, and back, in one move each.
inline DoublePair LoadPair(const double* v) {
    DoublePair p;
    std::memcpy(&p, v, sizeof p);
    return p;
}
inline void StorePair(double* v, DoublePair p) { std::memcpy(v, &p, sizeof p); }

// The outcome of a comparison: a bool, or for a pair all ones or all zeros in each lane.
// The comparisons of pairs are taken as plain bits: the compiler combines those with one
// instruction each, where its own vector truth values go through the integer registers.
template <class V>
using Mask = std::conditional_t<std::is_same_v<V, double>, bool, BitsPair>;

template <class V>
Mask<V> AllLanes() {
    if constexpr (std::is_same_v<V, double>) {
        return true;
    } else {
        return ~BitsPair{};
    }
}

template <class V, class Compare>
Mask<V> Compared(V x, V y, Compare compare) {
    if constexpr (std::is_same_v<V, double>) {
        return compare(x, y);
    } else {
        return __builtin_bit_cast(BitsPair, compare(x, y));
    }
}
template <class V>
Mask<V> AtLeast(V x, double c) {
    return Compared(x, Broadcast<V>(c), [](auto a, auto b) { return a >= b; });
}
template <class V>
Mask<V> AtMost(V x, double c) {
    return Compared(x, Broadcast<V>(c), [](auto a, auto b) { return a <= b; });
}
template <class V>
Mask<V> Above(V x, V y) {
    return Compared(x, y, [](auto a, auto b) { return a > b; });
}
template <class V>
Mask<V> Differ(V x, V y) {
    return Compared(x, y, [](auto a, auto b) { return a != b; });
}
template <class V>
Mask<V> IsZero(V x) {
    return Compared(x, V{}, [](auto a, auto b) { return a == b; });
}

// True where every lane of the mask is true, for the scalar case the mask itself.
inline bool All(bool m) { return m; }
inline bool All(BitsPair m) { return (m[0] & m[1]) != 0; }

inline constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
inline constexpr std::uint64_t kExponentField = 0x7FF0000000000000ull;

template <class V>
V Abs(V x) {
    return FromBits(BitsOf(x) & ~kSignBit);
}

// The power of two at or below |x| (x normal).
template <class V>
V Binade(V x) {
    return FromBits(BitsOf(x) & kExponentField);
}

// 1.5 * 2^(e - 11) for x in [2^e, 2^(e+1)): its last bit is worth 2^(e - 63), a unit of
// the 64-bit grid of x's binade, and its mantissa is even. So (r + m) - m rounds a small r
// (|r| < 2^(e - 13)) to that grid, ties to even, with the double's own rounding; which is
// the extended format's rounding of the number h + r, where h is a multiple of 2^(e - 62).
// x must lie above 2^-1011.
template <class V>
V GridRounder(V x) {
    return Binade(x) * 0x1.8p-11;
}

// Half a unit of the grid GridRounder(x) rounds to: 2^(e - 64).
template <class V>
V HalfGridUnit(V rounder) {
    return Binade(rounder) * 0x1p-53;
}

template <class V>
V RoundToGrid(V r, V rounder) {
    return (r + rounder) - rounder;
}

// x = high + low with high holding the upper 26 bits (Veltkamp's split).
template <class V>
struct Split {
    V high;
    V low;
};

template <class V>
Split<V> SplitOf(V x) {
    const V c = x * 134217729.0;  // 2^27 + 1
    const V high = c - (c - x);
    return {high, x - high};
}

// a b = high + low exactly (Dekker), high = a b rounded; the factors split beforehand.
template <class V>
struct Sum {
    V high;
    V low;
};

template <class V>
Sum<V> ExactProduct(V a, const Split<V>& as, V b, const Split<V>& bs) {
    const V high = a * b;
    const V low = ((as.high * bs.high - high) + as.high * bs.low + as.low * bs.high) + as.low * bs.low;
    return {high, low};
}

// a + b = high + low exactly (Knuth), high = a + b rounded.
template <class V>
Sum<V> ExactSum(V a, V b) {
    const V high = a + b;
    const V bPart = high - a;
    return {high, (a - (high - bPart)) + (b - bPart)};
}

}  // namespace strs::dd
