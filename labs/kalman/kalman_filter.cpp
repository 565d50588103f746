#include "labs/kalman/kalman_filter.h"

#include "matematic/checked.h"
#include "matematic/extended.h"

namespace strs {

void RunScalarKalmanFilter(const KalmanModel& model, const KalmanSequence& y, KalmanSequence& xx,
                           KalmanSequence& p) {
    const Extended dn = model.dn;
    const Extended r = model.r;

    // The error variance after the first observation, given the prior variance D.
    p[0] = StoreDouble(CheckedDiv(model.d, CheckedDiv(model.d, dn) + 1));
    double xp = 0.0;

    for (int k = 0; k < kKalmanSteps; ++k) {
        const Extended gain = CheckedDiv(p[k], dn);
        xx[k] = StoreDouble(xp + gain * (static_cast<Extended>(y[k]) - xp));
        const double pe = StoreDouble(r * r * p[k] + model.dw);
        if (k < kKalmanSteps - 1) {
            p[k + 1] = StoreDouble(CheckedDiv(pe, pe * CheckedDiv(1, dn) + 1));
        }
        xp = StoreDouble(r * xx[k]);
    }
}

}  // namespace strs
