#pragma once
// The number grammar of the numeric fields and the general number format of the labels,
// free of Qt: the decimal separator is passed in, so that a test or a fuzz target can
// drive them on their own. shell/number_text.h adds the locale on top.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace strs {

// The longest text read as a number, blanks included. It leaves room for the exact
// decimal expansion of every double (at most 1,077 characters, for the denormals) and
// keeps a field short enough that each keystroke costs a bounded amount of work.
inline constexpr std::size_t kLongestNumberText = 2048;

// Reads the whole text as a decimal floating-point number:
//   blanks* [+|-] mantissa [(E|e) [+|-] digit+] blanks*
// where blanks are spaces and tabs and the mantissa is digits with at most one
// separator among them and at least one digit, so "5", "5,", ",5" and "5,25" all read.
// No thousands separators, no "inf"/"nan", no other separator than the one given.
// Gives nothing for a text outside the grammar or longer than kLongestNumberText, and for
// a value beyond the double range; a value too small for a double reads as a zero of its
// sign (denormals are kept).
// The value is correctly rounded (round to nearest, ties to even).
std::optional<double> ParseDecimalNumber(std::u16string_view text, char16_t separator);
std::optional<double> ParseDecimalNumber(std::string_view text, char separator);

// Writes value in the general format: rounded to 15 significant digits, trailing zeros
// dropped, the given separator, no thousands separator. Plain notation while the
// rounded magnitude m satisfies 1E-5 <= m < 1E15 ("0,00001", "18,484",
// "999999999999999"); exponent notation outside it, with a capital E, a sign only for
// negative exponents and no leading zeros ("1E15", "1,5E-6"). Zeros of either
// sign give "0"; non-finite values give "INF", "-INF" or "NAN". Fewer significant
// digits d (1 to 15) give the same form with 10^d in place of 1E15, for a text that
// has little room.
inline constexpr int kLabelDigits = 15;
std::u16string FormatGeneralNumber(double value, char16_t separator, int significantDigits = kLabelDigits);
std::string FormatGeneralNumber(double value, char separator, int significantDigits = kLabelDigits);

}  // namespace strs
