#pragma once
// The x87 unit, driven directly, so that the extended results are the same whatever the
// C library and the operating system: the control word, and the two operations whose
// results IEEE 754 fixes exactly: rounding to an integer and the square root.

#include <cstdint>

#include "matematic/extended.h"

namespace strs {

// Control word for the labs' arithmetic: 64-bit precision, round to nearest, every
// exception masked. Some systems start threads with 53-bit precision instead.
inline constexpr std::uint16_t kExtendedPrecisionControlWord = 0x037F;

// Loads kExtendedPrecisionControlWord. Called first thing by every program's main.
void SetExtendedPrecisionMode();

std::uint16_t X87ControlWord();
void SetX87ControlWord(std::uint16_t word);

// x rounded to an integer, ties to even, whatever the rounding mode (frndint).
Extended RoundHalfEven(Extended x);

// sqrt(x) by fsqrt: correctly rounded.
Extended Sqrt(Extended x);

}  // namespace strs
