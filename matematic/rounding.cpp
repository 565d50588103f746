#include "matematic/rounding.h"

#include "matematic/extended.h"
#include "matematic/extended_arithmetic.h"

namespace strs {
namespace {

double RoundUpByHalf(double x, Extended scale) {
    const Extended t = static_cast<Extended>(x) * scale + 0.5;
    const Extended n = RoundHalfEven(t);
    return static_cast<double>(n / scale);
}

}  // namespace

double RoundTo3(double x) { return RoundUpByHalf(x, 1000); }

double RoundTo2(double x) { return RoundUpByHalf(x, 100); }

}  // namespace strs
