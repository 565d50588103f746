#include "core/number_grammar.h"

#include "core/decimal_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace strs {
namespace {

template <typename CharT>
bool IsBlank(CharT c) {
    return c == CharT(' ') || c == CharT('\t');
}

template <typename CharT>
bool IsDigit(CharT c) {
    return c >= CharT('0') && c <= CharT('9');
}

// Exponents are accumulated up to this bound and then held there: any text that fits in
// memory and carries a larger exponent is far outside the double range (or zero).
constexpr std::int64_t kExponentBound = 1'000'000'000'000;

// The grammar is checked here, character by character, while the mantissa's digits and
// the power of ten are collected; DecimalToDouble then rounds them to the nearest double.
template <typename CharT>
std::optional<double> Parse(std::basic_string_view<CharT> text, CharT separator) {
    if (text.size() > kLongestNumberText)
        return std::nullopt;
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && IsBlank(text[pos]))
        ++pos;
    while (end > pos && IsBlank(text[end - 1]))
        --end;

    bool negative = false;
    if (pos < end && (text[pos] == CharT('+') || text[pos] == CharT('-'))) {
        negative = text[pos] == CharT('-');
        ++pos;
    }

    std::string digits;
    digits.reserve(end - pos);
    std::int64_t fractionDigits = 0;
    bool seenSeparator = false;
    for (; pos < end; ++pos) {
        const CharT c = text[pos];
        if (IsDigit(c)) {
            digits.push_back(static_cast<char>(c));
            if (seenSeparator)
                ++fractionDigits;
        } else if (c == separator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;

    std::int64_t exponent = 0;
    if (pos < end && (text[pos] == CharT('e') || text[pos] == CharT('E'))) {
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (text[pos] == CharT('+') || text[pos] == CharT('-'))) {
            negativeExponent = text[pos] == CharT('-');
            ++pos;
        }
        const std::size_t firstExponentDigit = pos;
        for (; pos < end && IsDigit(text[pos]); ++pos) {
            if (exponent < kExponentBound)
                exponent = exponent * 10 + (text[pos] - CharT('0'));
        }
        if (pos == firstExponentDigit)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != end)
        return std::nullopt;
    return DecimalToDouble(negative, digits, exponent - fractionDigits);
}

template <typename CharT>
std::basic_string<CharT> Widen(std::string_view ascii) {
    return std::basic_string<CharT>(ascii.begin(), ascii.end());
}

template <typename CharT>
std::basic_string<CharT> Format(double value, CharT separator, int significantDigits) {
    if (std::isnan(value))
        return Widen<CharT>("NAN");
    if (std::isinf(value))
        return Widen<CharT>(value < 0 ? "-INF" : "INF");
    if (value == 0.0)
        return Widen<CharT>("0");

    // The significant digits, correctly rounded. The few largest doubles round up past
    // the double range; their digits are cut instead, so that every label text reads back.
    const int digitCount = std::clamp(significantDigits, 1, kLabelDigits);
    DecimalDigits rounded = SignificantDigits(value, digitCount);
    if (rounded.pointExponent >= 308 &&
        !DecimalToDouble(false, rounded.digits, std::int64_t(rounded.pointExponent) - digitCount + 1))
        rounded = CutDigits(value, digitCount);
    const bool negative = rounded.negative;
    std::string digits = rounded.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = rounded.pointExponent;

    std::basic_string<CharT> out;
    if (negative)
        out.push_back(CharT('-'));
    const auto appendDigits = [&out](std::string_view part) {
        for (const char c : part)
            out.push_back(CharT(c));
    };
    const std::string_view all(digits);
    if (exponent >= digitCount || exponent < -5) {  // >= 1E15 (for fifteen digits) or < 1E-5
        out.push_back(CharT(all[0]));
        if (all.size() > 1) {
            out.push_back(separator);
            appendDigits(all.substr(1));
        }
        out.push_back(CharT('E'));
        if (exponent < 0)
            out.push_back(CharT('-'));
        appendDigits(std::to_string(exponent < 0 ? -exponent : exponent));
    } else if (exponent >= 0) {
        const std::size_t integerCount = static_cast<std::size_t>(exponent) + 1;
        appendDigits(all.substr(0, integerCount));
        for (std::size_t i = all.size(); i < integerCount; ++i)
            out.push_back(CharT('0'));
        if (all.size() > integerCount) {
            out.push_back(separator);
            appendDigits(all.substr(integerCount));
        }
    } else {
        out.push_back(CharT('0'));
        out.push_back(separator);
        for (int i = -1; i > exponent; --i)
            out.push_back(CharT('0'));
        appendDigits(all);
    }
    return out;
}

}  // namespace

std::optional<double> ParseDecimalNumber(std::u16string_view text, char16_t separator) {
    return Parse(text, separator);
}

std::optional<double> ParseDecimalNumber(std::string_view text, char separator) {
    return Parse(text, separator);
}

std::u16string FormatGeneralNumber(double value, char16_t separator, int significantDigits) {
    return Format(value, separator, significantDigits);
}

std::string FormatGeneralNumber(double value, char separator, int significantDigits) {
    return Format(value, separator, significantDigits);
}

}  // namespace strs
