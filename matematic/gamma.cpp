#include "matematic/gamma.h"

#include <array>

#include "matematic/checked.h"
#include "matematic/extended.h"
#include "matematic/power.h"

namespace strs {
namespace {

// Coefficients c6, c5, c4, c3, c2, c1, c0 of one polynomial, as extended literals.
using Coefficients = std::array<Extended, 7>;

// Rows for the unit intervals -5 <= x < -4, ..., 9 <= x < 10 (index: floor(x) + 5)
// and, last, the row for x >= 10.
constexpr std::array<Coefficients, 16> kIntervalRows = {{
    {-0.0389513L, -0.370762L, -0.0331826L, 2.39148L, -62.2544L, -388.831L, -618.334L},
    {0.00501193L, -2.12521L, -21.0294L, -25.9025L, 352.143L, 1421.09L, 1580.1L},
    {-10.4062L, -84.2516L, -129.292L, 698.893L, 3019.78L, 4271.33L, 2087.32L},
    {67.6432L, 560.986L, 2057.88L, 4310.77L, 5419.77L, 3826.39L, 1167.87L},
    {-1622.62L, -4797.6L, -5790.58L, -3653.07L, -1291.71L, -252.091L, -25.9281L},
    {1371.41L, -4365.33L, 5618.12L, -3749.68L, 1382.89L, -276.491L, 26.8273L},
    {-0.0630869L, 0.469649L, -1.22091L, 0.911122L, 1.73569L, -3.85614L, 3.02316L},
    {0.00236453L, -0.00768711L, -0.0132851L, 0.128716L, 0.00281922L, -0.546586L, 1.35937L},
    {0.00603286L, -0.0306503L, -0.0498006L, 0.582187L, -0.318434L, -2.97387L, 5.15274L},
    {0.0181908L, -0.0824783L, -0.698932L, 3.31399L, 16.1356L, -107.927L, 156.319L},
    {0.0998172L, -0.936258L, -0.292584L, 2.79003L, 268.047L, -1653.2L, 2789.08L},
    {0.285468L, -0.349682L, -46.96L, 120.358L, 3363.44L, -23630.5L, 45081.7L},
    {2.27809L, -23.2412L, -65.6634L, -1528.49L, 50210.3L, -337453.0L, 707113.0L},
    {18.9177L, -267.582L, -496.478L, 1116.74L, 380578.0L, -3515410.0L, 9042020.0L},
    {113.701L, -1908.3L, 1980.92L, -73213.1L, 3787160.0L, -33736700.0L, 89542900.0L},
    {302.14L, -5383.56L, 37662.2L, -262459.0L, -6204390.0L, 141146000.0L, -668626000.0L},
}};

// The row for 0 < x < 0.1.
constexpr Coefficients kSmallArgumentRow = {4.06202e9L, -1.53822e9L, 2.3552e8L, -1.87032e7L,
                                            8.21025e5L, -19589.1L,   229.672L};

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
    Extended result = 0.0L;
    if (x >= 10.0) {
        result = EvaluateTermByTerm(kIntervalRows[15], ex);
    } else if (x >= -5.0) {
        const int whole = static_cast<int>(x);  // toward zero; floor(x) + 5 indexes the rows
        const auto row = static_cast<std::size_t>(whole - (x < whole ? 1 : 0) + 5);
        result = EvaluateTermByTerm(kIntervalRows[row], ex);
    }
    if (x >= 0.81 && x < 1.0) {
        result = 1.0L;
    }
    if (x > 0.0 && x < 0.1) {
        result = EvaluateTermByTerm(kSmallArgumentRow, ex);
    }
    return StoreDouble(result);
}

}  // namespace strs
