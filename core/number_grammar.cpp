#include "core/number_grammar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

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

// The grammar is checked here, character by character, while the text is rewritten into
// the plain form std::from_chars reads ("-12.5e-3": no blanks, no '+', a point).
// std::from_chars then does the correctly rounded conversion; it is independent of the
// C locale, which the GUI toolkit sets from the environment.
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

    std::string plain;
    plain.reserve(end - pos + 1);

    bool negative = false;
    if (pos < end && (text[pos] == CharT('+') || text[pos] == CharT('-'))) {
        negative = text[pos] == CharT('-');
        if (negative)
            plain.push_back('-');
        ++pos;
    }

    // Mantissa. The power of ten of its first nonzero digit (leadExponent below) tells an
    // overflow from an underflow further down.
    std::int64_t integerDigits = 0;
    std::int64_t fractionDigits = 0;
    bool seenSeparator = false;
    bool seenNonzero = false;
    bool leadInFraction = false;
    std::int64_t leadIndex = 0;  // index of the first nonzero digit in its part
    for (; pos < end; ++pos) {
        const CharT c = text[pos];
        if (IsDigit(c)) {
            if (!seenNonzero && c != CharT('0')) {
                seenNonzero = true;
                leadInFraction = seenSeparator;
                leadIndex = seenSeparator ? fractionDigits : integerDigits;
            }
            (seenSeparator ? fractionDigits : integerDigits) += 1;
            plain.push_back(static_cast<char>(c));
        } else if (c == separator && !seenSeparator) {
            seenSeparator = true;
            plain.push_back('.');
        } else {
            break;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    const std::int64_t leadExponent = leadInFraction ? -(leadIndex + 1) : integerDigits - 1 - leadIndex;

    // Exponent.
    std::int64_t exponent = 0;
    if (pos < end && (text[pos] == CharT('e') || text[pos] == CharT('E'))) {
        plain.push_back('e');
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (text[pos] == CharT('+') || text[pos] == CharT('-'))) {
            negativeExponent = text[pos] == CharT('-');
            if (negativeExponent)
                plain.push_back('-');
            ++pos;
        }
        const std::size_t firstExponentDigit = pos;
        for (; pos < end && IsDigit(text[pos]); ++pos) {
            if (exponent < kExponentBound)
                exponent = exponent * 10 + (text[pos] - CharT('0'));
            plain.push_back(static_cast<char>(text[pos]));
        }
        if (pos == firstExponentDigit)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != end)
        return std::nullopt;

    double value = 0.0;
    const char* const first = plain.data();
    const char* const last = plain.data() + plain.size();
    const auto [stop, error] = std::from_chars(first, last, value);
    if (stop != last)
        return std::nullopt;  // cannot happen after the check above
    if (error == std::errc::result_out_of_range) {
        if (leadExponent + exponent >= 0)
            return std::nullopt;       // beyond the double range
        return negative ? -0.0 : 0.0;  // below the smallest denormal
    }
    if (error != std::errc())
        return std::nullopt;
    return value;
}

template <typename CharT>
std::basic_string<CharT> Widen(std::string_view ascii) {
    return std::basic_string<CharT>(ascii.begin(), ascii.end());
}

// Whether a "d.ddde+XX" text lies inside the double range.
bool ReadsAsFinite(std::string_view scientific) {
    double parsed = 0.0;
    const auto [end, error] =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), parsed);
    (void)end;
    return error == std::errc();
}

template <typename CharT>
std::basic_string<CharT> Format(double value, CharT separator, int significantDigits) {
    if (std::isnan(value))
        return Widen<CharT>("NAN");
    if (std::isinf(value))
        return Widen<CharT>(value < 0 ? "-INF" : "INF");
    if (value == 0.0)
        return Widen<CharT>("0");

    // The significant digits, correctly rounded: "-d.dddddddddddddde+XX" for fifteen.
    const int digitCount = std::clamp(significantDigits, 1, kLabelDigits);
    char buffer[40];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digitCount - 1);
    if (!ReadsAsFinite(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)))) {
        // The few largest doubles round up past the double range; cut their digits instead,
        // so that every label text reads back as a number.
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digitCount + 1);
        const std::string_view full(buffer, static_cast<std::size_t>(result.ptr - buffer));
        const std::size_t e = full.find('e');
        std::string cut(full.substr(0, e - 2));
        cut += full.substr(e);
        std::copy(cut.begin(), cut.end(), buffer);
        result.ptr = buffer + cut.size();
    }
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const bool negative = scientific.front() == '-';
    const std::size_t ePos = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(ePos + 1);
    const char* exponentFirst = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(exponentFirst, exponentText.data() + exponentText.size(), exponent);

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
