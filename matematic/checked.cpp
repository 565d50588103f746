#include "matematic/checked.h"

#include <cmath>

#include "matematic/elementary.h"
#include "matematic/x87.h"

namespace strs {

Extended CheckedSqrt(Extended v) {
    if (std::isnan(v) || v < 0.0L) {
        throw InvalidOperation();
    }
    return Sqrt(v);
}

Extended CheckedLn(Extended v) {
    if (std::isnan(v) || v < 0.0L) {
        throw InvalidOperation();
    }
    if (v == 0.0L) {
        throw DivisionByZero();
    }
    return Ln(v);
}

Extended CheckedDiv(Extended a, Extended b) {
    if (b == 0.0L) {
        if (a == 0.0L || std::isnan(a)) {
            throw InvalidOperation();
        }
        throw DivisionByZero();
    }
    const Extended q = a / b;
    if (std::isnan(q)) {
        throw InvalidOperation();
    }
    if (std::isinf(q)) {
        throw FloatingOverflow();
    }
    return q;
}

Extended CheckedExp(Extended v) {
    const Extended r = Exp(v);
    if (std::isnan(r)) {
        throw InvalidOperation();
    }
    if (std::isinf(r)) {
        throw FloatingOverflow();
    }
    return r;
}

double StoreDouble(Extended v) {
    if (std::isnan(v)) {
        throw InvalidOperation();
    }
    const double d = static_cast<double>(v);
    if (std::isinf(d)) {
        throw FloatingOverflow();
    }
    return d;
}

}  // namespace strs
