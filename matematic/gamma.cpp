#include "matematic/gamma.h"

#include <array>

#include "matematic/checked.h"
#include "matematic/extended.h"
#include "matematic/extended_constant.h"
#include "matematic/power.h"

namespace strs {
namespace {

// Coefficients c6, c5, c4, c3, c2, c1, c0 of one polynomial.
using Coefficients = std::array<Extended, 7>;

// Rows for the unit intervals -5 <= x < -4, ..., 9 <= x < 10 (index: floor(x) + 5), the
// row for x >= 10 and, last, the row for 0 < x < 0.1.
#define STRS_GAMMA_ROW(c6, c5, c4, c3, c2, c1, c0) \
    Coefficients{c6##_ext, c5##_ext, c4##_ext, c3##_ext, c2##_ext, c1##_ext, c0##_ext},
constexpr std::array<Coefficients, 17> kRows = {{
#include "matematic/gamma_coefficients.inc"
}};
#undef STRS_GAMMA_ROW
constexpr std::size_t kLargeArgumentRow = 15;
constexpr std::size_t kSmallArgumentRow = 16;

Extended EvaluateTermByTerm(const Coefficients& c, Extended x) {
    Extended sum = c[0] * IntPower(x, 6);
    sum += c[1] * IntPower(x, 5);
    sum += c[2] * IntPower(x, 4);
    sum += c[3] * IntPower(x, 3);
    sum += c[4] * IntPower(x, 2);
    sum += c[5] * x;
    sum += c[6];
    return sum;
}

}  // namespace

double GammaApprox(double x) {
    const Extended ex = x;
    Extended result = 0;
    if (x >= 10.0) {
        result = EvaluateTermByTerm(kRows[kLargeArgumentRow], ex);
    } else if (x >= -5.0) {
        const int whole = static_cast<int>(x);  // toward zero; floor(x) + 5 indexes the rows
        const auto row = static_cast<std::size_t>(whole - (x < whole ? 1 : 0) + 5);
        result = EvaluateTermByTerm(kRows[row], ex);
    }
    if (x >= 0.81 && x < 1.0) {
        result = 1;
    }
    if (x > 0.0 && x < 0.1) {
        result = EvaluateTermByTerm(kRows[kSmallArgumentRow], ex);
    }
    return StoreDouble(result);
}

}  // namespace strs
