// The shortest digits that read back to a double, in one pass (Giulietti's Schubfach):
// the double's rounding interval, the numbers that read back to it, is scaled by a power
// of ten 10^-k chosen so that the interval is between 1 and 10 units wide; the integers
// in it are the candidates with the fewest digits but one, and a multiple of 10 among
// them has one digit fewer. The scaling multiplies by a 126-bit upper approximation of
// 10^-k and rounds to odd, which keeps every comparison with an integer exact.

#include <array>
#include <cstdint>
#include <string>

#include "core/big_number.h"
#include "core/binary_format.h"
#include "core/decimal_conversion.h"

namespace strs {
namespace {

// The powers of ten 10^e the doubles need, e = -k for every k below.
constexpr int kLowestPower = -292;
constexpr int kHighestPower = 324;

// floor(log10 2^e), floor(log10(3/4 2^e)) and floor(log2 10^e) as fixed-point products,
// exact over the doubles' exponents (for |e| < 5 456 721).
int FloorLog10Pow2(int e) { return static_cast<int>((std::int64_t{e} * 661971961083) >> 41); }
int FloorLog10ThreeQuartersPow2(int e) {
    return static_cast<int>((std::int64_t{e} * 661971961083 - 274743187321) >> 41);
}
int FloorLog2Pow10(int e) { return static_cast<int>((std::int64_t{e} * 913124641741) >> 38); }

// g(e) = floor(10^e / 2^b) + 1 in [2^125, 2^126], b = FloorLog2Pow10(e) - 125: for e >= 0
// from the exact powers, for e < 0 from floor(2^P / 10^-e), each one tenth of the last
// (the floor of a floor's tenth is the floor of the tenth).
class PowersOfTen {
public:
    PowersOfTen() {
        BigNumber power(1);
        for (int e = 0; e <= kHighestPower; ++e, power.multiply(10)) {
            g_[std::size_t(e - kLowestPower)] = power.top126() + 1;
        }
        BigNumber reciprocal = BigNumber(1).shifted(1100);  // 2^1100 / 10^292 still has 126 bits
        for (int e = -1; e >= kLowestPower; --e) {
            reciprocal.divide(10);
            g_[std::size_t(e - kLowestPower)] = reciprocal.top126() + 1;
        }
    }
    Uint128 operator[](int e) const { return g_[std::size_t(e - kLowestPower)]; }

private:
    std::array<Uint128, kHighestPower - kLowestPower + 1> g_{};
};

const PowersOfTen& Powers() {
    static const PowersOfTen powers;
    return powers;
}

// g * x / 2^127, rounded to odd: down, and the last bit set where anything was dropped.
std::uint64_t RoundToOdd(Uint128 g, std::uint64_t x) {
    constexpr std::uint64_t kLow63 = (std::uint64_t{1} << 63) - 1;
    const auto g1 = static_cast<std::uint64_t>(g >> 63);
    const auto g0 = static_cast<std::uint64_t>(g) & kLow63;
    const auto x1 = static_cast<std::uint64_t>((Uint128(g0) * x) >> 64);
    const Uint128 y = Uint128(g1) * x;
    const std::uint64_t z = (static_cast<std::uint64_t>(y) >> 1) + x1;
    const std::uint64_t high = static_cast<std::uint64_t>(y >> 64) + (z >> 63);
    return high | (((z & kLow63) + kLow63) >> 63);
}

DecimalDigits FromInteger(bool negative, std::uint64_t f, int exponent) {
    while (f % 10 == 0) {
        f /= 10;
        ++exponent;
    }
    char text[20];
    char* begin = text + sizeof text;
    for (; f != 0; f /= 10)
        *--begin = char('0' + f % 10);
    const int count = int(text + sizeof text - begin);
    return {negative, std::string(begin, std::size_t(count)), exponent + count - 1};
}

}  // namespace

DecimalDigits ShortestDigits(double value) {
    const FloatFields fields = FieldsOf(value);
    if (fields.mantissa == 0)
        return {fields.negative, "0", 0};
    // value = c 2^q; its rounding interval reaches halfway to the neighbours, both ends
    // included where c is even (a tie reads back to the even mantissa). Below a power of
    // two the lower neighbour is half as far ("irregular").
    const std::uint64_t c = fields.mantissa;
    const int q = (fields.biasedExponent == 0 ? 1 : fields.biasedExponent) - kDoubleFormat.exponentBias - 52;
    const bool regular = FractionOf<kDoubleFormat>(fields) != 0 || fields.biasedExponent <= 1;
    const std::uint64_t open = c & 1;
    const int k = regular ? FloorLog10Pow2(q) : FloorLog10ThreeQuartersPow2(q);
    const int h = q + FloorLog2Pow10(-k) + 2;
    const Uint128 g = Powers()[-k];
    // Four times the value and its interval's ends, in units of 10^k.
    const std::uint64_t cb = c << 2;
    const std::uint64_t vb = RoundToOdd(g, cb << h);
    const std::uint64_t vbl = RoundToOdd(g, (cb - (regular ? 2 : 1)) << h);
    const std::uint64_t vbr = RoundToOdd(g, (cb + 2) << h);
    const std::uint64_t s = vb >> 2;
    if (s >= 10) {  // one digit fewer: at most one multiple of ten lies in the interval
        const std::uint64_t sp10 = s / 10 * 10;
        const std::uint64_t tp10 = sp10 + 10;
        const bool lowerIn = vbl + open <= sp10 << 2;
        const bool upperIn = (tp10 << 2) + open <= vbr;
        if (lowerIn != upperIn)
            return FromInteger(fields.negative, lowerIn ? sp10 : tp10, k);
    }
    const std::uint64_t t = s + 1;
    const bool lowerIn = vbl + open <= s << 2;
    const bool upperIn = (t << 2) + open <= vbr;
    if (lowerIn != upperIn)
        return FromInteger(fields.negative, lowerIn ? s : t, k);
    // Both read back: the nearer, ties to even.
    const auto middle = static_cast<std::int64_t>(vb - ((s + t) << 1));
    return FromInteger(fields.negative, middle < 0 || (middle == 0 && (s & 1) == 0) ? s : t, k);
}

}  // namespace strs
