#include "matematic/checked.h"

#include <cmath>

#include "matematic/extended_bits.h"
#include "matematic/elementary.h"
#include "matematic/extended_arithmetic.h"

namespace strs {

Extended CheckedSqrt(Extended v) {
    if (IsNaN(v) || v < 0) {
        throw InvalidOperation();
    }
    return Sqrt(v);
}

Extended CheckedLn(Extended v) {
    if (IsNaN(v) || v < 0) {
        throw InvalidOperation();
    }
    if (v == 0) {
        throw DivisionByZero();
    }
    return Ln(v);
}

Extended CheckedDiv(Extended a, Extended b) {
    if (b == 0) {
        if (a == 0 || IsNaN(a)) {
            throw InvalidOperation();
        }
        throw DivisionByZero();
    }
    const Extended q = a / b;
    if (IsNaN(q)) {
        throw InvalidOperation();
    }
    if (IsInf(q)) {
        throw FloatingOverflow();
    }
    return q;
}

Extended CheckedExp(Extended v) {
    const Extended r = Exp(v);
    if (IsNaN(r)) {
        throw InvalidOperation();
    }
    if (IsInf(r)) {
        throw FloatingOverflow();
    }
    return r;
}

double StoreDouble(Extended v) {
    if (IsNaN(v)) {
        throw InvalidOperation();
    }
    const double d = static_cast<double>(v);
    if (std::isinf(d)) {
        throw FloatingOverflow();
    }
    return d;
}

}  // namespace strs
