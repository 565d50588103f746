// Page 2: first- and second-order autoregressive sequences and their correlation
// functions.

#include "labs/ar_sequence/ar_sequence_page.h"

#include "labs/ar_sequence/sequence_study.h"
#include "matematic/rounding.h"
#include "shell/accessibility.h"
#include "shell/colours.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"
#include "shell/order_layout.h"
#include "shell/page_parts.h"
#include "shell/radio_group.h"
#include "shell/shown_numbers.h"
#include "shell/ui_texts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace strs {
namespace {

void AppendSequenceStart(ChartSeries& series, const ArSequenceStudy& study) {
    for (int i = 0; i < kArShownValues; ++i) {
        series.appendValue(study.x[i], clRed);
    }
}

// Lag k lands at x = k on both series.
void AppendCorrelations(ChartSeries& experimental, ChartSeries& theoretical, const ArSequenceStudy& study) {
    for (int k = 0; k < kArLags; ++k) {
        experimental.appendValue(study.experimental[k], clRed);
        theoretical.appendValue(study.theoretical[k], clGreen);
    }
}

}  // namespace

ArSequencePage::ArSequencePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TS2"));
    PaintPageColour(this);
    build();
}

void ArSequencePage::build() {
    MakeTitle(this, "Label21", tr("Моделирование авторегрессионных случайных последовательностей"),
              QRect(8, 16, 241, 41), Qt::AlignHCenter);
    RG2_ = MakeOrderGroup(this, "RG2");

    QGroupBox* in = MakeGroup(this, "InPar2", tr("Входные параметры"), QRect(8, 160, 225, 120), false);
    L21_ = MakeLabel(in, "L21", tr("Коэффициент корреляции"), 8, 23, 201);
    E21_ = MakeField(in, "E21", "0,8", 16, 43, 105);
    Es_ = MakeField(in, "Es", "0,9", 72, 43, 50);
    Es_->setVisible(false);
    const QLabel* varianceCaption = MakeLabel(in, "L22", tr("Дисперсия СП"), 8, 71);
    E22_ = MakeField(in, "E22", "1", 16, 91, 105);
    DescribeOrderFields(true, *E21_, *Es_);
    DescribeField(E22_, varianceCaption->text(), Quantity::Variance);

    QGroupBox* out = MakeGroup(this, "OutPar2", tr("Выходные параметры"), QRect(8, 290, 225, 119), false);
    const QLabel* measuredCaption = MakeLabel(out, "L23", tr("Экспериментальная дисперсии"), 16, 24);
    L24_ = MakeResultLabel(out, "L24", 16, 48, measuredCaption);
    const QLabel* theoryCaption = MakeLabel(out, "L25", tr("Теоретическая дисперсия"), 16, 64);
    L26_ = MakeResultLabel(out, "L26", 16, 84, theoryCaption);

    QPushButton* refreshButton = MakeRefreshButton(this, "BitBtn1");

    QGroupBox* charts = MakeChartGroup(this, "Graf2");
    Chart21_ = MakeChart(charts, "Chart21", 16, {tr("Отображение первых 200 значений СП")});
    Chart22_ = MakeChart(charts, "Chart22", 216,
                         {tr("Экспериментальная и теоретическая "), tr("корреляционные функции")});
    Chart22_->raise();
    Series21_ = AddLineSeries(Chart21_, "Series21", clRed);
    Series22_ = AddLineSeries(Chart22_, "Series22", clRed);
    Series23_ = AddLineSeries(Chart22_, "Series23", clBlue);
    SetSeriesCaptions(Chart21_, {tr("Значение СП")});
    SetSeriesCaptions(Chart22_, {tr("Экспериментальная"), tr("Теоретическая")});

    connect(RG2_, &RadioGroup::clicked, this, Guarded(this, &ArSequencePage::showOrder));
    connect(refreshButton, &QPushButton::clicked, this, Guarded(this, &ArSequencePage::refresh));
}

void ArSequencePage::showOrder() { ApplyOrderLayout(RG2_->itemIndex() == 0, *L21_, *E21_, *Es_); }

void ArSequencePage::refresh() {
    Chart21_->setVisible(true);
    Chart22_->setVisible(true);
    Series21_->clear();
    Series22_->clear();
    Series23_->clear();
    E22_->replaceExactZero();

    // D^ is measured before the sequence start is drawn in first order and after it in
    // second order, on purpose: when the sum of squares overflows, a first-order run
    // leaves the upper chart empty while a second-order run has drawn its first values.
    ArSequenceStudy study;
    double d = 0.0;
    if (RG2_->itemIndex() == 0) {
        const double r = E21_->value();
        d = E22_->value();
        GenerateFirstOrder(r, d, study);
        MeasureVariance(study);
        AppendSequenceStart(*Series21_, study);
        MeasureCorrelation(study);
        FirstOrderCorrelation(r, study.theoretical);
    } else {
        const double r1 = E21_->value();
        const double r2 = Es_->value();
        d = E22_->value();
        const Ar2Coefficients c = GenerateSecondOrder(r1, r2, d, study);
        AppendSequenceStart(*Series21_, study);
        MeasureVariance(study);
        MeasureCorrelation(study);
        SecondOrderCorrelation(c, study.theoretical);
    }
    AppendCorrelations(*Series22_, *Series23_, study);

    ShowNumbers(L24_, FloatToStr(RoundTo3(study.variance)), {study.variance});
    ShowNumbers(L26_, FloatToStr(RoundTo3(d)), {d});
}

}  // namespace strs
