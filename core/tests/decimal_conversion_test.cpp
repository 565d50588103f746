// The exact conversions against the C++ library's own correctly rounded ones, where the
// library has them: every digit count, the shortest form and reading, on values spread
// over all bit patterns and on the cases where rounding is hardest.

#include "core/csv.h"
#include "core/decimal_conversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <cstdint>
#include <string>

namespace strs {
namespace {

// Deterministic bit patterns (splitmix64), every finite double as likely as its pattern.
std::uint64_t NextPattern(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::vector<double> Values() {
    std::vector<double> values = {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1.0, 0.1, 0.3, 1e23, 5e-324,
                                  9007199254740993.0, 2.2250738585072011e-308, 0.5, 2.5, 1e15, 123456789.0};
    for (int e = -1074; e <= 1023; e += 7)
        values.push_back(std::ldexp(1.0, e));  // where the doubles' spacing changes
    std::uint64_t state = 12345;
    while (values.size() < 4000) {
        const double v = std::bit_cast<double>(NextPattern(state));
        if (std::isfinite(v) && v != 0)
            values.push_back(v);
    }
    return values;
}

// The library's shortest text (precision -1), its shortest in the scientific form (-2), or
// `precision` digits after the point.
std::string LibraryText(double v, int precision) {
    char buffer[64];
    const auto end = precision == -1   ? std::to_chars(buffer, buffer + sizeof buffer, v).ptr
                     : precision == -2 ? std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific).ptr
                                       : std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific,
                                                       precision)
                                             .ptr;
    return std::string(buffer, end);
}

std::string ScientificText(const DecimalDigits& d) {
    std::string text = d.negative ? "-" : "";
    text += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", d.pointExponent < 0 ? '-' : '+', std::abs(d.pointExponent));
    return text + exponent;
}

TEST(DecimalConversion, DigitsAndShortestFormAgreeWithTheLibrary) {
    for (const double v : Values()) {
        ASSERT_EQ(RoundTripNumber(v, '.'), LibraryText(v, -1)) << v;
        for (int count : {1, 2, 3, 4, 15, 16, 17})
            ASSERT_EQ(ScientificText(SignificantDigits(v, count)), LibraryText(v, count - 1)) << v;
    }
}

// The one-pass shortest digits on many more values: the smallest subnormals (one or two
// units, where the interval is widest against the value), every binade's first and last
// mantissas (powers of two, where the lower neighbour is half as far) and any pattern.
TEST(DecimalConversion, ShortestDigitsAgreeWithTheLibraryInEveryBinade) {
    const auto expectTheLibrarys = [](double v) {
        const DecimalDigits d = ShortestDigits(v);
        ASSERT_EQ(ScientificText(d), LibraryText(v, -2)) << v;
    };
    for (std::uint64_t m = 1; m < 2000; ++m)
        expectTheLibrarys(std::bit_cast<double>(m));
    for (std::uint64_t e = 1; e < 2047; ++e) {
        for (std::uint64_t m : {0ULL, 1ULL, 2ULL, (1ULL << 52) - 1, (1ULL << 52) - 2})
            expectTheLibrarys(std::bit_cast<double>((e << 52) | m));
    }
    std::uint64_t state = 4321;
    for (int i = 0; i < 100000; ++i) {
        const double v = std::bit_cast<double>(NextPattern(state));
        if (std::isfinite(v) && v != 0)
            expectTheLibrarys(v);
    }
}

TEST(DecimalConversion, ReadingAgreesWithTheLibrary) {
    std::uint64_t state = 777;
    std::vector<std::string> texts = {
        "9007199254740993",         "9007199254740995",        "2.4703282292062328e-324", "2.4703282292062327e-324",
        "1.7976931348623158e308",   "2.2250738585072011e-308", "4.9406564584124654e-324",
        "0.500000000000000166533453693773481063544750213623046875",  // halfway above 0.5: up by one unit
        "0.500000000000000055511151231257827021181583404541015625"};  // exactly halfway: to even
    for (int i = 0; i < 6000; ++i) {
        const std::uint64_t r = NextPattern(state);
        std::string digits = std::to_string(r % 1000000000000000000ULL);
        digits += std::to_string(NextPattern(state) % 1000000);
        digits.resize(1 + r % digits.size());
        texts.push_back(digits + "e" + std::to_string(int(NextPattern(state) % 700) - 350));
    }
    for (const std::string& text : texts) {
        // strtod reads the C locale's point, which a test has.
        errno = 0;
        const double expected = std::strtod(text.c_str(), nullptr);
        const bool overflow = errno == ERANGE && std::isinf(expected);
        const std::size_t e = text.find('e');
        std::string digits = text.substr(0, e);
        std::int64_t exponent = e == std::string::npos ? 0 : std::stoll(text.substr(e + 1));
        if (const std::size_t point = digits.find('.'); point != std::string::npos) {
            exponent -= std::int64_t(digits.size() - point - 1);
            digits.erase(point, 1);
        }
        const std::optional<double> got = DecimalToDouble(false, digits, exponent);
        if (overflow) {
            EXPECT_FALSE(got.has_value()) << text;
        } else {
            ASSERT_TRUE(got.has_value()) << text;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(expected)) << text;
        }
    }
    EXPECT_FALSE(DecimalToDouble(false, "1", 400).has_value());
    EXPECT_TRUE(std::signbit(*DecimalToDouble(true, "1", -400)));
}

}  // namespace
}  // namespace strs
