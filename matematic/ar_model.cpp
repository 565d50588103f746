#include "matematic/ar_model.h"

#include "matematic/checked.h"
#include "matematic/extended.h"
#include "matematic/random.h"

namespace strs {
namespace {

// sqrt(variance) * g, the root taken before the variate is drawn.
Extended ScaledVariate(double variance) {
    const Extended root = CheckedSqrt(variance);
    return root * RandomNormal(0, 1);
}

}  // namespace

Ar2Coefficients YuleWalker2(double r1, double r2) {
    const Extended er1 = r1;
    const Extended denominator = 1 - er1 * er1;
    const double diagonal = StoreDouble(CheckedDiv(1, denominator));
    const double offDiagonal = StoreDouble(CheckedDiv(-1, denominator) * er1);
    Ar2Coefficients c;
    c.a1 = StoreDouble(static_cast<Extended>(diagonal) * r1 + static_cast<Extended>(offDiagonal) * r2);
    c.a2 = StoreDouble(static_cast<Extended>(offDiagonal) * r1 + static_cast<Extended>(diagonal) * r2);
    return c;
}

double Ar1DrivingVariance(double r, double d) {
    const Extended er = r;
    return StoreDouble((1 - er * er) * d);
}

double Ar2DrivingVariance(Ar2Coefficients c, double r1, double r2, double d) {
    return StoreDouble((1 - static_cast<Extended>(c.a1) * r1 - static_cast<Extended>(c.a2) * r2) * d);
}

void GenerateAr1(double r, double d, double q, double* x, int n) {
    if (n <= 0) {
        return;
    }
    x[0] = StoreDouble(ScaledVariate(d));
    for (int i = 1; i < n; ++i) {
        const Extended noise = ScaledVariate(q);
        x[i] = StoreDouble(noise + static_cast<Extended>(r) * x[i - 1]);
    }
}

void GenerateAr2(Ar2Coefficients c, double d, double q, double* x, int n) {
    if (n <= 0) {
        return;
    }
    const Extended a1 = c.a1;
    const Extended a2 = c.a2;
    x[0] = StoreDouble(ScaledVariate(d));
    if (n > 1) {
        const Extended noise = ScaledVariate(q);
        x[1] = StoreDouble(noise + a1 * x[0]);
    }
    for (int i = 2; i < n; ++i) {
        const Extended noise = ScaledVariate(q);
        x[i] = StoreDouble(noise + (a1 * x[i - 1] + a2 * x[i - 2]));
    }
}

void AddObservationNoise(const double* x, double dn, double* y, int n) {
    for (int k = 0; k < n; ++k) {
        const Extended noise = ScaledVariate(dn);
        y[k] = StoreDouble(noise + x[k]);
    }
}

void Ar2NormalisedCorrelation(Ar2Coefficients c, double* rho, int n) {
    if (n <= 0) {
        return;
    }
    const Extended a1 = c.a1;
    const Extended a2 = c.a2;
    rho[0] = 1.0;
    if (n > 1) {
        rho[1] = StoreDouble(CheckedDiv(a1, 1 - a2));
    }
    for (int m = 2; m < n; ++m) {
        rho[m] = StoreDouble(a1 * rho[m - 1] + a2 * rho[m - 2]);
    }
}

}  // namespace strs
