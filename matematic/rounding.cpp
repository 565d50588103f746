#include "matematic/rounding.h"

#include <math.h>

#include "matematic/extended.h"

namespace strs {
namespace {

double RoundUpByHalf(double x, Extended scale) {
    const Extended t = static_cast<Extended>(x) * scale + 0.5L;
    // roundevenl rounds ties to even whatever the current rounding mode is.
    const Extended n = ::roundevenl(t);
    return static_cast<double>(n / scale);
}

}  // namespace

double RoundTo3(double x) { return RoundUpByHalf(x, 1000.0L); }

double RoundTo2(double x) { return RoundUpByHalf(x, 100.0L); }

}  // namespace strs
