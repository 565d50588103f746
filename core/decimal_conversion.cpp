#include "core/decimal_conversion.h"

#include <algorithm>
#include <bit>

#include "core/big_number.h"
#include "core/binary_format.h"

namespace strs {
namespace {

// The exact value of a finite nonzero double as digits × 10^exponent (an integer of digits).
struct ExactDecimal {
    bool negative;
    std::string digits;
    int exponent;
};

ExactDecimal ExactDecimalOf(double value) {
    const FloatFields f = FieldsOf(value);
    // The exponent of the mantissa's unit; the denormals' is the lowest normal one's.
    const int exponent = (f.biasedExponent == 0 ? 1 : f.biasedExponent) - kDoubleFormat.exponentBias - 52;
    BigNumber number(f.mantissa);
    if (exponent >= 0)
        return {f.negative, number.shifted(exponent).decimal(), 0};
    // m / 2^k = m * 5^k / 10^k
    number.multiplyByPower(5, -exponent);
    return {f.negative, number.decimal(), exponent};
}

// One unit more in the last digit; a carry out of the first digit adds a digit in front.
bool IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

enum class Rounding { Nearest, TowardZero };

DecimalDigits Round(const ExactDecimal& exact, int count, Rounding rounding) {
    count = std::clamp(count, 1, 40);
    DecimalDigits out{exact.negative, exact.digits.substr(0, std::size_t(count)),
                      int(exact.digits.size()) - 1 + exact.exponent};
    const std::string_view rest = std::string_view(exact.digits).substr(std::min(exact.digits.size(), out.digits.size()));
    out.digits.resize(std::size_t(count), '0');
    if (rounding == Rounding::Nearest && !rest.empty()) {
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        const bool half = rest[0] == '5' && !aboveHalf;
        if (aboveHalf || (half && (out.digits.back() - '0') % 2 == 1)) {
            if (IncrementDigits(out.digits)) {
                out.digits.pop_back();
                ++out.pointExponent;
            }
        }
    }
    return out;
}

}  // namespace

DecimalDigits SignificantDigits(double value, int count) {
    return Round(ExactDecimalOf(value), count, Rounding::Nearest);
}

DecimalDigits CutDigits(double value, int count) { return Round(ExactDecimalOf(value), count, Rounding::TowardZero); }

std::optional<double> DecimalToDouble(bool negative, std::string_view digits, std::int64_t exponent) {
    const double zero = negative ? -0.0 : 0.0;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return zero;
    digits.remove_prefix(first);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += std::int64_t(digits.size() - 1 - last);
    digits = digits.substr(0, last + 1);
    const std::int64_t lead = std::int64_t(digits.size()) - 1 + exponent;  // power of ten of the first digit
    if (lead > 309)
        return std::nullopt;
    if (lead < -325)
        return zero;  // below half the smallest denormal

    BigNumber numerator;
    for (const char c : digits) {
        numerator.multiply(10);
        numerator.add(std::uint32_t(c - '0'));
    }
    BigNumber denominator(1);
    if (exponent >= 0)
        numerator.multiplyByPower(10, exponent);
    else
        denominator.multiplyByPower(10, -exponent);

    // quotient = floor(value * 2^shift), 63 or 64 bits long, and whether anything was left.
    const std::int64_t shift = 63 - (numerator.bitLength() - denominator.bitLength());
    BigNumber rest = shift > 0 ? numerator.shifted(shift) : numerator;
    const BigNumber divisor = shift < 0 ? denominator.shifted(-shift) : denominator;
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        const BigNumber part = divisor.shifted(bit);
        if (Compare(rest, part) >= 0) {
            rest.subtract(part);
            quotient |= std::uint64_t(1) << bit;
        }
    }
    const bool sticky = !rest.isZero();

    // quotient * 2^-shift, the value's top bit at 2^leading, rounded to the double format.
    const int width = std::bit_width(quotient);
    const FloatFields rounded = RoundAndPack<kDoubleFormat>(negative, int(width - 1 - shift),
                                                            Uint128(quotient) << (128 - width), sticky);
    if (rounded.biasedExponent == kDoubleFormat.specialExponent)
        return std::nullopt;
    return DoubleOf(rounded);
}

}  // namespace strs
