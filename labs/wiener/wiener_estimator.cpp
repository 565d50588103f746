#include "labs/wiener/wiener_estimator.h"

#include <cmath>
#include <cstddef>

#include "matematic/checked.h"
#include "matematic/errors.h"
#include "matematic/extended.h"
#include "matematic/power.h"

namespace strs {
namespace {

constexpr std::size_t N = kMatrixOrder;

// Rx depends on the lag only: fills it from one value per lag.
void FillByLag(const Vector100& byLag, Matrix100& rx) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            rx[i * N + j] = byLag[i > j ? i - j : j - i];
        }
    }
}

// The products keep their running sums in doubles without a check of their own. With
// finite inputs the first fault can only be a sum leaving the double range; whatever
// followed it (an infinity, or a NaN from infinities of both signs) is that overflow.
double RequireFinite(double v) {
    if (!std::isfinite(v)) {
        throw FloatingOverflow();
    }
    return v;
}

void RequireFinite(const Vector100& v) {
    for (double e : v) {
        RequireFinite(e);
    }
}

}  // namespace

void FillAr1Correlation(double r, double d, Matrix100& rx) {
    Vector100 byLag;
    for (std::size_t lag = 0; lag < N; ++lag) {
        byLag[lag] = StoreDouble(d * IntPower(r, static_cast<int>(lag)));
    }
    FillByLag(byLag, rx);
}

void FillAr2Correlation(const Vector100& rho, double d, Matrix100& rx) {
    Vector100 byLag;
    for (std::size_t lag = 0; lag < N; ++lag) {
        byLag[lag] = StoreDouble(static_cast<Extended>(d) * rho[lag]);
    }
    FillByLag(byLag, rx);
}

void EstimateWienerBlock(WienerMatrices& m, const Vector100& y, double d, double dn, Vector100& xx,
                         Vector100& err) {
    m.rn.fill(0.0);
    for (std::size_t i = 0; i < N; ++i) {
        m.rn[i * N + i] = dn;
    }
    for (std::size_t e = 0; e < N * N; ++e) {
        m.ry[e] = StoreDouble(static_cast<Extended>(m.rx[e]) + m.rn[e]);
    }
    m.q = m.ry;
    InvertMatrix(m.q);

    Vector100 c, h, t;
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            c[j] = m.rx[j * N + i];
        }
        MatVecMul(m.q, c, h);
        RequireFinite(h);
        xx[i] = RequireFinite(DotProduct(y, h));
        VecMatMul(h, m.ry, t);
        RequireFinite(t);
        const double hc = RequireFinite(DotProduct(h, c));
        const double th = RequireFinite(DotProduct(t, h));
        err[i] = StoreDouble((static_cast<Extended>(d) - Extended(2) * hc) + th);
    }
}

}  // namespace strs
