// Page 4: the block Wiener estimator of a first- or second-order autoregressive signal.

#include "labs/wiener/wiener_page.h"

#include "labs/wiener/wiener_estimator.h"
#include "matematic/ar_model.h"
#include "shell/accessibility.h"
#include "shell/legend_panel.h"
#include "shell/numeric_field.h"
#include "shell/order_layout.h"
#include "shell/page_parts.h"
#include "shell/radio_group.h"
#include "shell/ui_texts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace strs {
namespace {

constexpr int N = kWienerBlock;

// The variances the estimator needs besides the correlation matrix.
struct BlockVariances {
    double d = 0.0;
    double dn = 0.0;
};

// The page's fields, read in the order each branch names.
struct OrderFields {
    NumericField& r1;  // E41
    NumericField& r2;  // Es4
    NumericField& d;   // E42
    NumericField& dn;  // E43
};

// First order: r, D, Dn; the signal, its observations and Rx = D r^|i-j|.
BlockVariances FirstOrderBlock(const OrderFields& f, Vector100& x, Vector100& y, Matrix100& rx) {
    const double r = f.r1.value();
    const double d = f.d.value();
    const double dn = f.dn.value();
    const double dw = Ar1DrivingVariance(r, d);
    GenerateAr1(r, d, dw, x.data(), N);
    AddObservationNoise(x.data(), dn, y.data(), N);
    FillAr1Correlation(r, d, rx);
    return {d, dn};
}

// Second order: R1, R2, D, Dn; the signal, its observations and Rx = D rho[|i-j|].
BlockVariances SecondOrderBlock(const OrderFields& f, Vector100& x, Vector100& y, Matrix100& rx) {
    const double r1 = f.r1.value();
    const double r2 = f.r2.value();
    const double d = f.d.value();
    const double dn = f.dn.value();
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

WienerPage::WienerPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TS4"));
    PaintPageColour(this);
    build();
}

void WienerPage::build() {
    MakeTitle(this, "Label1", tr("Исследование фильтра Винера"), QRect(8, 16, 241, 41), Qt::AlignHCenter);
    RG4_ = MakeOrderGroup(this, "RG4");

    QGroupBox* in = MakeGroup(this, "InPar4", tr("Входные параметры"), QRect(8, 160, 225, 177), false);
    L41_ = MakeLabel(in, "L41", tr("Коэффициент корреляции"), 21, 23, 201);
    E41_ = MakeField(in, "E41", "0,8", 21, 44, 105);
    Es4_ = MakeField(in, "Es4", "0,9", 77, 44, 50);
    Es4_->setVisible(false);
    const QLabel* variance = MakeLabel(in, "L42", tr("Дисперсия СП"), 21, 73);
    E42_ = MakeField(in, "E42", "1", 21, 97, 105);
    const QLabel* noise = MakeLabel(in, "Label3", tr("Дисперсия шума наблюдений"), 21, 125, -1, false);
    E43_ = MakeField(in, "E43", "4", 21, 147, 105);
    DescribeOrderFields(true, *E41_, *Es4_);
    DescribeField(E42_, variance->text(), Quantity::Variance);
    DescribeField(E43_, noise->text(), Quantity::Variance);

    QPushButton* refreshButton = MakeRefreshButton(this, "BitBtn2");

    QGroupBox* charts = MakeChartGroup(this, "Graf4");
    Chart41_ = MakeChart(charts, "Chart41", 16, {tr("Дисперсия ошибок оценивания")});
    Chart42_ = MakeChart(charts, "Chart42", 216, {tr("Результат работы фильтра Винера")});
    Chart42_->raise();
    Series411_ = AddLineSeries(Chart41_, "Series411", clRed);
    Series421_ = AddLineSeries(Chart42_, "Series421", clRed);
    Series422_ = AddLineSeries(Chart42_, "Series422", clGreen);
    Series423_ = AddLineSeries(Chart42_, "Series423", clBlue);
    SetSeriesCaptions(Chart41_, {tr("Дисперсия ошибки")});
    SetSeriesCaptions(Chart42_, LegendCaptions());

    Panel1_ = new LegendPanel(Chart42_, QStringLiteral("Image1"));
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    Panel1_->move(265, 35);

    connect(RG4_, &RadioGroup::clicked, this, Guarded(this, &WienerPage::showOrder));
    connect(refreshButton, &QPushButton::clicked, this, Guarded(this, &WienerPage::refresh));
    connect(Panel1_, &LegendPanel::panelPressed, this, Guarded(this, &WienerPage::moveLegend));
    connect(Panel1_, &LegendPanel::picturePressed, this, Guarded(this, &WienerPage::moveLegend));
}

void WienerPage::moveLegend() { Panel1_->startMove(); }

void WienerPage::showOrder() { ApplyOrderLayout(RG4_->itemIndex() == 0, *L41_, *E41_, *Es4_); }

void WienerPage::refresh() {
    Chart41_->setVisible(true);
    Chart42_->setVisible(true);
    Series411_->clear();
    Series421_->clear();
    Series422_->clear();
    Series423_->clear();
    E42_->replaceExactZero();
    E43_->replaceExactZero();

    auto m = std::make_unique<WienerMatrices>();
    Vector100 x{}, y{}, xx{}, err{};
    const OrderFields fields{*E41_, *Es4_, *E42_, *E43_};
    const BlockVariances v =
        RG4_->itemIndex() == 0 ? FirstOrderBlock(fields, x, y, m->rx) : SecondOrderBlock(fields, x, y, m->rx);
    EstimateWienerBlock(*m, y, v.d, v.dn, xx, err);

    for (int i = 0; i < N; ++i) {
        Series421_->appendValue(y[i], clRed);
        Series422_->appendValue(x[i], clGreen);
        Series423_->appendValue(xx[i], clBlue);
        Series411_->appendValue(err[i], clBlue);
    }
}

}  // namespace strs
