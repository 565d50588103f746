// Page 3: the scalar Kalman filter tracking a first-order autoregressive signal.

#include "labs/kalman/kalman_page.h"

#include "labs/kalman/kalman_filter.h"
#include "matematic/ar_model.h"
#include "shell/accessibility.h"
#include "shell/legend_panel.h"
#include "shell/numeric_field.h"
#include "shell/page_parts.h"
#include "shell/ui_texts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace strs {

KalmanPage::KalmanPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TS3"));
    PaintPageColour(this);
    build();
}

void KalmanPage::build() {
    MakeTitle(this, "L3", tr("Исследование скалярного фильтра Калмана"), QRect(16, 16, 193, 65),
              Qt::AlignHCenter);

    QGroupBox* in = MakeGroup(this, "InPar3", tr("Входные параметры"), QRect(8, 64, 225, 193), true);
    const QLabel* variance = MakeLabel(in, "Label33", tr("Дисперсия СП"), 16, 24);
    E33_ = MakeField(in, "E33", "1", 16, 48, 100);
    const QLabel* correlation =
        MakeLabel(in, "Label32", tr("Значение коэффициента корреляции"), 16, 73, -1, false);
    E32_ = MakeField(in, "E32", "0,9", 16, 98, 100);
    const QLabel* noise = MakeLabel(in, "Label2", tr("Дисперсия шума наблюдений"), 16, 128, -1, false);
    E34_ = MakeField(in, "E34", "4", 16, 156, 100);
    DescribeField(E33_, variance->text(), Quantity::Variance);
    DescribeField(E32_, correlation->text(), Quantity::Correlation);
    DescribeField(E34_, noise->text(), Quantity::Variance);

    QPushButton* refreshButton = MakeRefreshButton(this, "BB3");

    QGroupBox* charts = MakeChartGroup(this, "Graf3");
    Chart32_ = MakeChart(charts, "Chart32", 16, {tr("Дисперсия ошибок оценивания")});
    Chart31_ = MakeChart(charts, "Chart31", 216, {tr("Результат работы фильтра Калмана")});
    Chart31_->raise();
    Series32_ = AddLineSeries(Chart32_, "Series32", clRed);
    Series311_ = AddLineSeries(Chart31_, "Series311", clRed);
    Series312_ = AddLineSeries(Chart31_, "Series312", clGreen);
    Series313_ = AddLineSeries(Chart31_, "Series313", clBlue);
    SetSeriesCaptions(Chart32_, {tr("Дисперсия ошибки")});
    SetSeriesCaptions(Chart31_, LegendCaptions());

    Panel2_ = new LegendPanel(Chart31_, QStringLiteral("Image3"));
    Panel2_->setObjectName(QStringLiteral("Panel2"));
    Panel2_->move(265, 35);

    connect(refreshButton, &QPushButton::clicked, this, Guarded(this, &KalmanPage::refresh));
    connect(Panel2_, &LegendPanel::panelPressed, this, Guarded(this, &KalmanPage::moveLegend));
    connect(Panel2_, &LegendPanel::picturePressed, this, Guarded(this, &KalmanPage::moveLegend));
}

void KalmanPage::moveLegend() { Panel2_->startMove(); }

void KalmanPage::refresh() {
    Chart31_->setVisible(true);
    Chart32_->setVisible(true);
    Series32_->clear();
    Series311_->clear();
    Series312_->clear();
    Series313_->clear();
    E33_->replaceExactZero();
    E34_->replaceExactZero();

    constexpr int N = kKalmanSteps;
    KalmanModel model;
    model.r = E32_->value();
    model.d = E33_->value();
    model.dw = Ar1DrivingVariance(model.r, model.d);

    KalmanSequence x{}, y{}, xx{}, p{};
    GenerateAr1(model.r, model.d, model.dw, x.data(), N);
    // The noise variance is read only once the signal is drawn, so an invalid text
    // here fails after the signal's variates have been consumed.
    model.dn = E34_->value();
    AddObservationNoise(x.data(), model.dn, y.data(), N);

    RunScalarKalmanFilter(model, y, xx, p);

    for (int k = 0; k < N; ++k) {
        Series311_->appendValue(y[k], clRed);
        Series312_->appendValue(x[k], clGreen);
        Series313_->appendValue(xx[k], clBlue);
        Series32_->appendValue(p[k], clRed);
    }
}

}  // namespace strs
