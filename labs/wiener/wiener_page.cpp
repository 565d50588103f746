// Page 4: the block Wiener estimator of a first- or second-order autoregressive signal.

#include "labs/wiener/wiener_estimator.h"
#include "matematic/ar_model.h"
#include "shell/main_window.h"
#include "shell/order_layout.h"
#include "shell/radio_group.h"

#include <QLabel>

#include <memory>

namespace strs {
namespace {

constexpr int N = kWienerBlock;

// The variances the estimator needs besides the correlation matrix.
struct BlockVariances {
    double d = 0.0;
    double dn = 0.0;
};

// First order: r, D, Dn; the signal, its observations and Rx = D r^|i-j|.
BlockVariances FirstOrderBlock(const TForm1& w, Vector100& x, Vector100& y, Matrix100& rx) {
    const double r = w.E41->Value();
    const double d = w.E42->Value();
    const double dn = w.E43->Value();
    const double dw = Ar1DrivingVariance(r, d);
    GenerateAr1(r, d, dw, x.data(), N);
    AddObservationNoise(x.data(), dn, y.data(), N);
    FillAr1Correlation(r, d, rx);
    return {d, dn};
}

// Second order: R1, R2, D, Dn; the signal, its observations and Rx = D rho[|i-j|].
BlockVariances SecondOrderBlock(const TForm1& w, Vector100& x, Vector100& y, Matrix100& rx) {
    const double r1 = w.E41->Value();
    const double r2 = w.Es4->Value();
    const double d = w.E42->Value();
    const double dn = w.E43->Value();
    const Ar2Coefficients a = YuleWalker2(r1, r2);
    const double dw = Ar2DrivingVariance(a, r1, r2, d);
    GenerateAr2(a, d, dw, x.data(), N);
    AddObservationNoise(x.data(), dn, y.data(), N);
    Vector100 rho;
    Ar2NormalisedCorrelation(a, rho.data(), N);
    FillAr2Correlation(rho, d, rx);
    return {d, dn};
}

}  // namespace

void TForm1::RG4Click() {
    ApplyOrderLayout(RG4->itemIndex() == 0, *L41, *E41, *Es4);
}

void TForm1::BitBtn2Click() {
    Chart41->Show();
    Chart42->Show();
    Series411->Clear();
    Series421->Clear();
    Series422->Clear();
    Series423->Clear();
    E42->ReplaceExactZero();
    E43->ReplaceExactZero();

    auto m = std::make_unique<WienerMatrices>();
    Vector100 x{}, y{}, xx{}, err{};
    const BlockVariances v = RG4->itemIndex() == 0 ? FirstOrderBlock(*this, x, y, m->rx)
                                                   : SecondOrderBlock(*this, x, y, m->rx);
    EstimateWienerBlock(*m, y, v.d, v.dn, xx, err);

    for (int i = 0; i < N; ++i) {
        Series421->AppendValue(y[i], clRed);
        Series422->AppendValue(x[i], clGreen);
        Series423->AppendValue(xx[i], clBlue);
        Series411->AppendValue(err[i], clBlue);
    }
}

}  // namespace strs
