#pragma once
// The x87 unit, driven directly, so that the extended results are the same whatever the
// C library and the operating system: the control word, and the elementary functions the
// labs need, each a fixed sequence of x87 instructions.

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

// ln(x) = ln 2 * log2(x): fyl2xp1 on x - 1 when |x - 1| <= 0.29, where that keeps the
// digits of x near 1, otherwise fyl2x on x. ln(+-0) = -inf, ln(x < 0) = NaN.
Extended Ln(Extended x);

// e^x = 2^(x log2 e), split into an integer i and a fraction f, |f| <= 1/2:
//   i  = round(x log2 e),  xi = round(x),  log2 e = c0 + c1 with c0 exact in 16 bits,
//   f  = ((c0 xi - i) + c0 (x - xi)) + c1 x        (c0 xi - i is exact)
//   e^x = (f2xm1(f) + 1) * 2^i                     (fscale)
// |x| < 2^-67 gives 1 + x; |x| >= 2^15 is taken as +-2^15 (overflow to inf, or 0);
// e^inf = inf, e^-inf = 0, NaN stays NaN.
Extended Exp(Extended x);

}  // namespace strs
