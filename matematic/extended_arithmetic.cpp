#include "matematic/extended_arithmetic.h"

#if STRS_SOFTWARE_EXTENDED
#include "matematic/soft_extended.h"
#else
#include "matematic/x87.h"
#endif

namespace strs {

#if STRS_SOFTWARE_EXTENDED

void SetExtendedPrecisionMode() {}

Extended RoundHalfEven(Extended x) { return SoftRoundHalfEven(x); }

Extended Sqrt(Extended x) { return SoftSqrt(x); }

#else

void SetExtendedPrecisionMode() { SetX87ControlWord(kExtendedPrecisionControlWord); }

Extended RoundHalfEven(Extended x) { return X87RoundHalfEven(x); }

Extended Sqrt(Extended x) { return X87Sqrt(x); }

#endif

}  // namespace strs
