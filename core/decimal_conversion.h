#pragma once
// Exact conversions between doubles and decimal digits, with nothing from the C or C++
// library's number conversions (which not every platform's library has for floating
// point, and whose rounding is not ours to rely on): a double's decimal value is worked
// out exactly with integers, and a decimal text is read to the nearest double.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strs {

// A decimal number ±d.ddd × 10^pointExponent; digits holds d, ddd (no sign, no point).
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointExponent = 0;
};

// A finite nonzero value to `count` significant digits (1 to 40): rounded to nearest,
// ties to even, or cut off (rounded toward zero).
DecimalDigits SignificantDigits(double value, int count);
DecimalDigits CutDigits(double value, int count);

// The fewest significant digits that read back to exactly the value (of several such, the
// nearest to it). Finite values only; zero gives "0".
DecimalDigits ShortestDigits(double value);

// ±digits × 10^exponent, the digits any number of decimal digits: the nearest double,
// ties to even; a zero of its sign below the denormals; nothing beyond the double range.
std::optional<double> DecimalToDouble(bool negative, std::string_view digits, std::int64_t exponent);

}  // namespace strs
