#include "matematic/power.h"

#include "matematic/checked.h"
#include "matematic/extended_bits.h"

namespace strs {

Extended IntPower(Extended base, int exponent) {
    // The magnitude as unsigned, so that INT_MIN needs no special case.
    unsigned int remaining =
        exponent < 0 ? 0u - static_cast<unsigned int>(exponent) : static_cast<unsigned int>(exponent);
    Extended result = 1.0L;
    Extended square = base;
    while (remaining != 0u) {
        if ((remaining & 1u) != 0u) {
            result *= square;
        }
        remaining >>= 1u;
        if (remaining != 0u) {
            square *= square;
        }
    }
    if (IsInf(result) && !IsInf(base)) {
        throw FloatingOverflow();
    }
    if (exponent < 0) {
        return CheckedDiv(1.0L, result);
    }
    return result;
}

Extended Power(Extended x, Extended y) {
    if (y == 0.0L) {
        return 1.0L;
    }
    if (x == 0.0L && y > 0.0L) {
        return 0.0L;
    }
    if (Trunc(y) == y && Abs(y) <= 2147483647.0L) {
        return IntPower(x, static_cast<int>(y));
    }
    return CheckedExp(y * CheckedLn(x));
}

}  // namespace strs
