// The numerics' constants, converted from their decimal texts at compile time by exact
// integer arithmetic, are the x87's own conversions of the same texts (x86 only).

#include <gtest/gtest.h>

#include <utility>

#include "matematic/extended_bits.h"
#include "matematic/extended_constant.h"
#include "support/soft_extended_check.h"

namespace strs {
namespace {

void ExpectTheX87s(const std::pair<Extended, long double>& constant) {
    EXPECT_EQ(BitsOf(constant.first), operands::FieldsOf(constant.second)) << static_cast<double>(constant.first);
}

TEST(ExtendedConstants, TheGammaCoefficientsAreTheX87sValuesOfTheirTexts) {
#define STRS_GAMMA_ROW(c6, c5, c4, c3, c2, c1, c0)                                                          \
    {c6##_ext, c6##L}, {c5##_ext, c5##L}, {c4##_ext, c4##L}, {c3##_ext, c3##L}, {c2##_ext, c2##L}, \
        {c1##_ext, c1##L}, {c0##_ext, c0##L},
    const std::pair<Extended, long double> coefficients[] = {
#include "matematic/gamma_coefficients.inc"
    };
#undef STRS_GAMMA_ROW
    for (const auto& c : coefficients) {
        ExpectTheX87s(c);
    }
}

TEST(ExtendedConstants, TheAxisConstantsAndTheEdgesOfTheTextsTaken) {
    const std::pair<Extended, long double> constants[] = {
        {0.1_ext, 0.1L}, {1e-12_ext, 1e-12L}, {1e-9_ext, 1e-9L},  // the axis ticks'
        {9999999999999999999_ext, 9999999999999999999.0L}, {1e18_ext, 1e18L}, {7e-25_ext, 7e-25L},
        {1.000000000000000001_ext, 1.000000000000000001L}, {0.000_ext, 0.0L},
    };
    for (const auto& c : constants) {
        ExpectTheX87s(c);
    }
}

}  // namespace
}  // namespace strs
