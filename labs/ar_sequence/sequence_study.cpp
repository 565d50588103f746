#include "labs/ar_sequence/sequence_study.h"

#include "labs/ar_sequence/correlation.h"
#include "matematic/checked.h"
#include "matematic/power.h"

namespace strs {

void GenerateFirstOrder(double r, double d, ArSequenceStudy& study) {
    study.n = kArFirstOrderLength;
    const double q = Ar1DrivingVariance(r, d);
    GenerateAr1(r, d, q, study.x.data(), study.n);
}

Ar2Coefficients GenerateSecondOrder(double r1, double r2, double d, ArSequenceStudy& study) {
    study.n = kArSecondOrderLength;
    const Ar2Coefficients c = YuleWalker2(r1, r2);
    const double q = Ar2DrivingVariance(c, r1, r2, d);
    GenerateAr2(c, d, q, study.x.data(), study.n);
    return c;
}

void MeasureVariance(ArSequenceStudy& study) {
    study.variance = ExperimentalVariance(study.x.data(), study.n);
}

void MeasureCorrelation(ArSequenceStudy& study) {
    ExperimentalCorrelation(study.x.data(), study.n, study.variance, study.experimental.data(), kArLags);
}

void FirstOrderCorrelation(double r, std::array<double, kArLags>& k) {
    for (int lag = 0; lag < kArLags; ++lag) {
        k[lag] = StoreDouble(IntPower(r, lag));
    }
}

void SecondOrderCorrelation(Ar2Coefficients c, std::array<double, kArLags>& k) {
    Ar2NormalisedCorrelation(c, k.data(), kArLags);
}

}  // namespace strs
