#pragma once
// Checked extended arithmetic. The labs compute their intermediates in extended
// precision and must never go on with an infinite or not-a-number value: each
// operation that can fail is done through one of these helpers, which throw the
// error the x87 unit would report, with the messages of errors.h.

#include "matematic/errors.h"
#include "matematic/extended.h"

namespace strs {

// sqrt(v); v < 0 or NaN -> InvalidOperation. sqrt(-0) is -0, as on the x87.
Extended CheckedSqrt(Extended v);

// ln(v); v < 0 or NaN -> InvalidOperation; v == 0 -> DivisionByZero.
Extended CheckedLn(Extended v);

// a / b; b == 0 -> InvalidOperation when a is 0 or NaN, otherwise DivisionByZero;
// an infinite quotient -> FloatingOverflow; a NaN quotient (inf/inf) -> InvalidOperation.
Extended CheckedDiv(Extended a, Extended b);

// e^v; an infinite result -> FloatingOverflow; NaN -> InvalidOperation.
Extended CheckedExp(Extended v);

// v rounded to double, as storing an extended into a double variable does;
// NaN -> InvalidOperation; a value that rounds to +-inf -> FloatingOverflow.
double StoreDouble(Extended v);

}  // namespace strs
