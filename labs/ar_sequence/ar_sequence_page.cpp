#include "shell/main_window.h"

#include "shell/order_layout.h"

#include "labs/ar_sequence/sequence_study.h"
#include "matematic/rounding.h"
#include "shell/colours.h"
#include "shell/number_text.h"
#include "shell/radio_group.h"

#include <QLabel>

namespace strs {
namespace {

void AppendSequenceStart(ChartSeries& series, const ArSequenceStudy& study) {
    for (int i = 0; i < kArShownValues; ++i) {
        series.AppendValue(study.x[i], clRed);
    }
}

// Lag k lands at x = k on both series.
void AppendCorrelations(ChartSeries& experimental, ChartSeries& theoretical,
                        const ArSequenceStudy& study) {
    for (int k = 0; k < kArLags; ++k) {
        experimental.AppendValue(study.experimental[k], clRed);
        theoretical.AppendValue(study.theoretical[k], clGreen);
    }
}

}  // namespace

// The order switch: second order shows R2 beside a narrowed R1 under a two-part caption.
void TForm1::RG2Click() {
    ApplyOrderLayout(RG2->itemIndex() == 0, *L21, *E21, *Es);
}

void TForm1::BitBtn1Click() {
    Chart21->Show();
    Chart22->Show();
    Series21->Clear();
    Series22->Clear();
    Series23->Clear();
    E22->ReplaceExactZero();

    ArSequenceStudy study;
    double d = 0.0;
    if (RG2->itemIndex() == 0) {
        const double r = E21->Value();
        d = E22->Value();
        GenerateFirstOrder(r, d, study);
        MeasureVariance(study);
        AppendSequenceStart(*Series21, study);
        MeasureCorrelation(study);
        FirstOrderCorrelation(r, study.theoretical);
    } else {
        const double r1 = E21->Value();
        const double r2 = Es->Value();
        d = E22->Value();
        const Ar2Coefficients c = GenerateSecondOrder(r1, r2, d, study);
        AppendSequenceStart(*Series21, study);
        MeasureVariance(study);
        MeasureCorrelation(study);
        SecondOrderCorrelation(c, study.theoretical);
    }
    AppendCorrelations(*Series22, *Series23, study);

    L24->setText(FloatToStr(RoundTo3(study.variance)));
    L26->setText(FloatToStr(RoundTo3(d)));
}

}  // namespace strs
