#pragma once
// The x87 unit, driven directly, so that its results are the same whatever the C library
// and the operating system: the control word, and the two operations beyond + - * /
// whose results IEEE 754 fixes exactly, rounding to an integer and the square root.
// x86 only; the rest of the program reaches them through extended_arithmetic.h.

#include <cstdint>

namespace strs {

// Control word for the labs' arithmetic: 64-bit precision, round to nearest, every
// exception masked. Some systems start threads with 53-bit precision instead.
inline constexpr std::uint16_t kExtendedPrecisionControlWord = 0x037F;

std::uint16_t X87ControlWord();
void SetX87ControlWord(std::uint16_t word);

// x rounded to an integer, ties to even, whatever the rounding mode (frndint).
long double X87RoundHalfEven(long double x);

// sqrt(x) by fsqrt: correctly rounded.
long double X87Sqrt(long double x);

}  // namespace strs
