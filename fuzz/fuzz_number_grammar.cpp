// Fuzzes the number grammar of the fields and the general number format of the labels.
//
// Input: the first byte picks the decimal separator ('.' or any odd byte: a point, any
// other byte: a comma; a seed that starts with its separator reads as written), the rest
// is the text. The text is read four ways: as 8-bit characters, widened to 16 bits one byte
// per unit, decoded from UTF-8 and decoded from UTF-16; every reading must agree with
// an independent reading of the grammar and with strtod. An accepted value must be
// finite, and its formatted text must be accepted again and format to itself; the
// same holds for the double whose bytes open the text.

#include "core/number_grammar.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// What is being checked, for the report of a violation.
std::string_view g_text;
char g_separator = ',';
std::optional<double> g_value;

void PrintContext() {
    std::fprintf(stderr, "separator '%c', text bytes:", g_separator);
    for (const char c : g_text)
        std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
    if (g_value)
        std::fprintf(stderr, "value %.17g (formatted \"%s\")\n", *g_value,
                     strs::FormatGeneralNumber(*g_value, g_separator).c_str());
}

[[noreturn]] void Violation(const char* condition, int line) {
    std::fprintf(stderr, "%s:%d: violated: %s\n", __FILE__, line, condition);
    PrintContext();
    std::abort();
}

#define REQUIRE(condition)                                                                                   \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            Violation(#condition, __LINE__);                                                                 \
    } while (false)

bool SameValue(std::optional<double> a, std::optional<double> b) {
    if (a.has_value() != b.has_value())
        return false;
    return !a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// Non-ASCII units can never be part of a number; narrowing maps them all to one byte
// outside the grammar, so that no unit (say U+012C) turns into ',' by truncation.
std::string Narrow(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '\x80');
    return out;
}

std::u16string WidenBytes(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        out.push_back(static_cast<unsigned char>(c));
    return out;
}

std::u16string DecodeUtf16(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i])
                                            | static_cast<unsigned char>(bytes[i + 1]) << 8));
    return out;
}

// A lenient UTF-8 decoder: a malformed sequence gives U+FFFD and decoding resumes at the
// first byte that did not fit, so an ASCII byte always decodes to itself.
std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        if (lead >= 0xF8 || (lead >= 0x80 && lead < 0xC0))
            extra = -1;
        std::uint32_t code = extra == 3 ? lead & 0x07u : extra == 2 ? lead & 0x0Fu : lead & 0x1Fu;
        std::size_t next = i + 1;
        bool ok = extra > 0;
        for (int k = 0; ok && k < extra; ++k, ++next) {
            if (next >= bytes.size()) {
                ok = false;
                break;
            }
            const unsigned char c = static_cast<unsigned char>(bytes[next]);
            if ((c & 0xC0u) != 0x80u) {
                ok = false;
                break;
            }
            code = code << 6 | (c & 0x3Fu);
        }
        // Overlong forms would smuggle ASCII (C0 AE is '.'), so they count as malformed.
        static constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (code < kSmallest[extra] || code > 0x10FFFF))
            ok = false;
        if (!ok) {
            out.push_back(u'\uFFFD');
            i = next > i + 1 ? next : i + 1;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i = next;
    }
    return out;
}

// The grammar read a second way, by positions of its parts; on a match, plain receives
// the text as strtod reads it in the C locale (no blanks, a point as the separator).
bool MatchesGrammar(std::string_view text, char separator, std::string& plain) {
    if (text.size() > strs::kLongestNumberText)
        return false;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view core = text.substr(first, last - first + 1);

    std::size_t i = 0;
    if (core[i] == '+' || core[i] == '-')
        ++i;
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    std::size_t separators = 0;
    while (i < core.size() && (isDigit(core[i]) || core[i] == separator)) {
        if (core[i] == separator)
            ++separators;
        else
            ++digits;
        ++i;
    }
    if (digits == 0 || separators > 1)
        return false;
    const std::size_t mantissaEnd = i;
    if (i < core.size()) {
        if (core[i] != 'e' && core[i] != 'E')
            return false;
        ++i;
        if (i < core.size() && (core[i] == '+' || core[i] == '-'))
            ++i;
        const std::size_t exponentDigits = i;
        while (i < core.size() && isDigit(core[i]))
            ++i;
        if (i == exponentDigits || i != core.size())
            return false;
    }
    plain.assign(core);
    for (std::size_t k = mantissaStart; k < mantissaEnd; ++k)
        if (plain[k] == separator)
            plain[k] = '.';
    return true;
}

// What the parser must give for an 8-bit text: strtod's correctly rounded value, nothing
// outside the grammar or beyond the double range, zero (or a denormal) below it.
std::optional<double> Expected(std::string_view text, char separator) {
    std::string plain;
    if (!MatchesGrammar(text, separator, plain))
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    REQUIRE(end == plain.c_str() + plain.size());
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

// The general format laid out again from printf's rounding to fifteen significant
// digits: the same digits without trailing zeros, at the same power of ten; plain
// notation exactly for the powers -5 to 14, else d,dddE-x with no '+' and no padding.
std::string ExpectedFormat(double value, char separator) {
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);  // "-d.dddddddddddddde+XX"
    if (std::isinf(std::strtod(buffer, nullptr))) {
        // Rounded past the double range: the format cuts the digits instead.
        char full[64];
        std::snprintf(full, sizeof full, "%.16e", value);
        const std::string_view f(full);
        const std::size_t fe = f.find('e');
        const std::string cut = std::string(f.substr(0, fe - 2)) + std::string(f.substr(fe));
        std::snprintf(buffer, sizeof buffer, "%s", cut.c_str());
    }
    std::string_view printed(buffer);
    std::string out;
    if (printed.front() == '-') {
        out.push_back('-');
        printed.remove_prefix(1);
    }
    const std::size_t e = printed.find('e');
    std::string digits;
    for (const char c : printed.substr(0, e))
        if (c != '.')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int power = std::atoi(std::string(printed.substr(e + 1)).c_str());

    if (power >= 15 || power < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += separator + digits.substr(1);
        out += 'E' + std::to_string(power);
    } else if (power >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(power) + 1;
        digits.resize(std::max(digits.size(), integerDigits), '0');
        out += digits.substr(0, integerDigits);
        if (digits.size() > integerDigits)
            out += separator + digits.substr(integerDigits);
    } else {
        out += '0';
        out += separator;
        out += std::string(static_cast<std::size_t>(-power - 1), '0') + digits;
    }
    return out;
}

void CheckFormat(double value, char separator) {
    g_value = value;
    const std::string text = strs::FormatGeneralNumber(value, separator);
    REQUIRE(text == ExpectedFormat(value, separator));
    REQUIRE(strs::FormatGeneralNumber(value, static_cast<char16_t>(separator)) == WidenBytes(text));

    const std::optional<double> again = strs::ParseDecimalNumber(std::string_view(text), separator);
    REQUIRE(again.has_value());  // the label text of any finite value reads as a number
    REQUIRE(strs::FormatGeneralNumber(*again, separator) == text);  // and formats to itself
    // Fifteen significant digits: half a unit of the fifteenth, plus the parser's rounding.
    REQUIRE(std::fabs(*again - value) <= std::fabs(value) * 6e-15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = (data[0] == '.' || (data[0] & 1)) ? '.' : ',';
    const char16_t wideSeparator = static_cast<char16_t>(separator);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    g_text = bytes;
    g_separator = separator;
    g_value.reset();

    const std::optional<double> parsed = strs::ParseDecimalNumber(bytes, separator);
    REQUIRE(SameValue(parsed, Expected(bytes, separator)));
    REQUIRE(SameValue(parsed, strs::ParseDecimalNumber(WidenBytes(bytes), wideSeparator)));

    const std::u16string fromUtf8 = DecodeUtf8(bytes);
    REQUIRE(SameValue(strs::ParseDecimalNumber(fromUtf8, wideSeparator), parsed));

    const std::u16string fromUtf16 = DecodeUtf16(bytes);
    const std::optional<double> parsedUtf16 = strs::ParseDecimalNumber(fromUtf16, wideSeparator);
    const std::string narrowed = Narrow(fromUtf16);
    REQUIRE(SameValue(parsedUtf16, strs::ParseDecimalNumber(std::string_view(narrowed), separator)));
    REQUIRE(SameValue(parsedUtf16, Expected(narrowed, separator)));

    for (const std::optional<double>& value : {parsed, parsedUtf16}) {
        if (!value)
            continue;
        REQUIRE(std::isfinite(*value));
        CheckFormat(*value, separator);
    }

    // The first eight bytes of the text as a double: the format on values no short text
    // reaches (denormals, the ends of the range, every digit pattern).
    if (bytes.size() >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, bytes.data(), sizeof raw);
        if (std::isfinite(raw))
            CheckFormat(raw, separator);
    }
    return 0;
}
