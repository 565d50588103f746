#include "matematic/power.h"

#include "matematic/checked.h"
#include "matematic/extended_bits.h"

namespace strs {

Extended IntPower(Extended base, int exponent) {
    // The magnitude as unsigned, so that INT_MIN needs no special case.
    unsigned int remaining =
        exponent < 0 ? 0u - static_cast<unsigned int>(exponent) : static_cast<unsigned int>(exponent);
    Extended result = 1;
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
        return CheckedDiv(1, result);
    }
    return result;
}

Extended Power(Extended x, Extended y) {
    if (y == 0) {
        return 1;
    }
    if (x == 0 && y > 0) {
        return 0;
    }
    if (Trunc(y) == y && Abs(y) <= 2147483647) {
        return IntPower(x, static_cast<int>(y));
    }
    return CheckedExp(y * CheckedLn(x));
}

}  // namespace strs
