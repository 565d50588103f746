#include "core/decimal_conversion.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace strs {
namespace {

// An unsigned integer of any size, 32 bits a word, least significant word first.
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32)
            words_.push_back(std::uint32_t(value));
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& w : words_) {
            const std::uint64_t product = std::uint64_t(w) * factor + carry;
            w = std::uint32_t(product);
            carry = product >> 32;
        }
        if (carry != 0)
            words_.push_back(std::uint32_t(carry));
    }
    void add(std::uint32_t value) {
        std::uint64_t carry = value;
        for (std::size_t i = 0; carry != 0; ++i) {
            if (i == words_.size())
                words_.push_back(0);
            const std::uint64_t sum = std::uint64_t(words_[i]) + carry;
            words_[i] = std::uint32_t(sum);
            carry = sum >> 32;
        }
    }
    // base^exponent for base 5 or 10, in as few passes as fit a word.
    void multiplyByPower(std::uint32_t base, std::int64_t exponent) {
        const int perPass = base == 5 ? 13 : 9;  // 5^13 and 10^9 still fit in 32 bits
        std::uint32_t step = 1;
        for (int i = 0; i < perPass; ++i)
            step *= base;
        for (; exponent >= perPass; exponent -= perPass)
            multiply(step);
        for (; exponent > 0; --exponent)
            multiply(base);
    }
    // Divides by divisor and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = words_.size(); i-- > 0;) {
            const std::uint64_t part = (remainder << 32) | words_[i];
            words_[i] = std::uint32_t(part / divisor);
            remainder = part % divisor;
        }
        trim();
        return std::uint32_t(remainder);
    }
    BigNumber shifted(std::int64_t bits) const {
        BigNumber result;
        const std::size_t wordShift = std::size_t(bits / 32);
        const int bitShift = int(bits % 32);
        result.words_.assign(wordShift, 0);
        std::uint32_t carry = 0;
        for (std::uint32_t w : words_) {
            result.words_.push_back((w << bitShift) | carry);
            carry = bitShift == 0 ? 0 : w >> (32 - bitShift);
        }
        if (carry != 0)
            result.words_.push_back(carry);
        result.trim();
        return result;
    }
    void subtract(const BigNumber& other) {  // requires *this >= other
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            std::int64_t d = std::int64_t(words_[i]) - borrow - (i < other.words_.size() ? other.words_[i] : 0);
            borrow = d < 0 ? 1 : 0;
            words_[i] = std::uint32_t(d + (borrow << 32));
        }
        trim();
    }
    friend int Compare(const BigNumber& a, const BigNumber& b) {
        if (a.words_.size() != b.words_.size())
            return a.words_.size() < b.words_.size() ? -1 : 1;
        for (std::size_t i = a.words_.size(); i-- > 0;) {
            if (a.words_[i] != b.words_[i])
                return a.words_[i] < b.words_[i] ? -1 : 1;
        }
        return 0;
    }
    std::int64_t bitLength() const {
        return words_.empty() ? 0 : std::int64_t(words_.size() - 1) * 32 + std::bit_width(words_.back());
    }
    bool isZero() const { return words_.empty(); }

    std::string decimal() const {
        BigNumber rest = *this;
        std::string text;
        while (!rest.isZero()) {
            std::uint32_t chunk = rest.divide(1'000'000'000);
            for (int i = 0; i < 9; ++i, chunk /= 10)
                text.push_back(char('0' + chunk % 10));
        }
        while (text.size() > 1 && text.back() == '0')
            text.pop_back();
        std::reverse(text.begin(), text.end());
        return text.empty() ? std::string("0") : text;
    }

private:
    void trim() {
        while (!words_.empty() && words_.back() == 0)
            words_.pop_back();
    }
    std::vector<std::uint32_t> words_;
};

// The exact value of a finite nonzero double as digits × 10^exponent (an integer of digits).
struct ExactDecimal {
    bool negative;
    std::string digits;
    int exponent;
};

ExactDecimal ExactDecimalOf(double value) {
    // The compiler's own bit_cast: not every C++ library has std::bit_cast yet.
    const auto bits = __builtin_bit_cast(std::uint64_t, value);
    const bool negative = (bits >> 63) != 0;
    const int field = int((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t(1) << 52) - 1);
    int exponent = -1074;  // of the mantissa's unit, for the denormals
    if (field != 0) {
        mantissa |= std::uint64_t(1) << 52;
        exponent = field - 1075;
    }
    BigNumber number(mantissa);
    if (exponent >= 0)
        return {negative, number.shifted(exponent).decimal(), 0};
    // m / 2^k = m * 5^k / 10^k
    number.multiplyByPower(5, -exponent);
    return {negative, number.decimal(), exponent};
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

std::optional<double> ReadBack(const DecimalDigits& d) {
    return DecimalToDouble(d.negative, d.digits, std::int64_t(d.pointExponent) - std::int64_t(d.digits.size()) + 1);
}

// The neighbour one unit of the last digit below; nothing where that loses a digit.
std::optional<DecimalDigits> OneBelow(DecimalDigits d) {
    for (std::size_t i = d.digits.size(); i-- > 0;) {
        if (d.digits[i] != '0') {
            --d.digits[i];
            if (d.digits[0] == '0')
                return std::nullopt;
            return d;
        }
        d.digits[i] = '9';
    }
    return std::nullopt;
}

}  // namespace

DecimalDigits SignificantDigits(double value, int count) {
    return Round(ExactDecimalOf(value), count, Rounding::Nearest);
}

DecimalDigits CutDigits(double value, int count) { return Round(ExactDecimalOf(value), count, Rounding::TowardZero); }

DecimalDigits ShortestDigits(double value) {
    if (value == 0)
        return {std::signbit(value), "0", 0};
    const ExactDecimal exact = ExactDecimalOf(value);
    for (int count = 1; count < 17; ++count) {
        // The nearest candidate first; where the doubles' spacing changes (at a power of
        // two) a neighbour may read back when it does not.
        const DecimalDigits nearest = Round(exact, count, Rounding::Nearest);
        if (ReadBack(nearest) == value)
            return nearest;
        DecimalDigits above = nearest;
        if (IncrementDigits(above.digits)) {
            above.digits.pop_back();
            ++above.pointExponent;
        }
        if (ReadBack(above) == value)
            return above;
        if (const std::optional<DecimalDigits> below = OneBelow(nearest); below && ReadBack(*below) == value)
            return *below;
    }
    return Round(exact, 17, Rounding::Nearest);  // always reads back
}

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

    // Keep 53 bits, or as many as the denormals have room for, rounded to nearest, ties to even.
    const std::int64_t leading = std::int64_t(std::bit_width(quotient)) - 1 - shift;
    const std::int64_t unit = std::max<std::int64_t>(leading - 52, -1074);
    const std::int64_t dropped = unit + shift;  // at least 10 bits
    if (dropped > 64)
        return zero;
    const std::uint64_t kept = dropped == 64 ? 0 : quotient >> dropped;
    const std::uint64_t remainder = dropped == 64 ? quotient : quotient & ((std::uint64_t(1) << dropped) - 1);
    const std::uint64_t half = std::uint64_t(1) << (dropped - 1);
    const bool up = remainder > half || (remainder == half && (sticky || (kept & 1) != 0));
    const double magnitude = std::ldexp(double(kept + (up ? 1 : 0)), int(unit));
    if (std::isinf(magnitude))
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

}  // namespace strs
