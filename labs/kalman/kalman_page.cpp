// Page 3: the scalar Kalman filter tracking a first-order autoregressive signal.

#include "labs/kalman/kalman_filter.h"
#include "matematic/ar_model.h"
#include "shell/main_window.h"

namespace strs {

void TForm1::BB3Click() {
    Chart31->Show();
    Chart32->Show();
    Series32->Clear();
    Series311->Clear();
    Series312->Clear();
    Series313->Clear();
    E33->ReplaceExactZero();
    E34->ReplaceExactZero();

    constexpr int N = kKalmanSteps;
    KalmanModel model;
    model.r = E32->Value();
    model.d = E33->Value();
    model.dw = Ar1DrivingVariance(model.r, model.d);

    KalmanSequence x{}, y{}, xx{}, p{};
    GenerateAr1(model.r, model.d, model.dw, x.data(), N);
    // The noise variance is read only once the signal is drawn, so an invalid text
    // here fails after the signal's variates have been consumed.
    model.dn = E34->Value();
    AddObservationNoise(x.data(), model.dn, y.data(), N);

    RunScalarKalmanFilter(model, y, xx, p);

    for (int k = 0; k < N; ++k) {
        Series311->AppendValue(y[k], clRed);
        Series312->AppendValue(x[k], clGreen);
        Series313->AppendValue(xx[k], clBlue);
        Series32->AppendValue(p[k], clRed);
    }
}

}  // namespace strs
