// Page 1: random variables of five distribution laws. The laws themselves (drawing,
// density, moments) are in random_variable_laws.cpp; here they meet the page's controls.

#include "shell/main_window.h"

#include "labs/random_variable/histogram.h"
#include "labs/random_variable/moments.h"
#include "labs/random_variable/random_variable_laws.h"
#include "matematic/rounding.h"
#include "shell/formula_pictures.h"
#include "shell/number_text.h"
#include "shell/ui_texts.h"

#include <QComboBox>
#include <QLabel>

#include <array>
#include <iterator>

namespace strs {
namespace {

namespace rv = random_variable;

// How the page is labelled for each law, in the order of the list. The Greek letters
// are written as such, in the window's font.
struct LawLabelling {
    const char* picture;        // formula picture for I0
    const char* firstCaption;   // L11
    const char* secondCaption;  // L12; nullptr: L12 is left as it is (exponential law)
    bool secondFieldShown;      // L12 and E12
    const char* chartTitle;     // Chart11: the sample itself, or its law's density
};

constexpr LawLabelling kLabelling[] = {
    {"norm", "a", "b", true, "Случайная величина"},
    {"ravnom", "a", "b", true, "Случайная величина"},
    {"veb", "α", "β", true, "Теоретическое распределение"},
    {"rel", "Дисперсия СВ X1 и X2", "b", false, "Теоретическое распределение"},
    {"exp", "λ", nullptr, false, "Теоретическое распределение"},
};

void SetCaption(QLabel* label, const char* utf8)
{
    label->setText(QString::fromUtf8(utf8));
    label->adjustSize();  // captions size themselves to their text
}

// The zero replacement, then the fields in order; E12 only for two-parameter laws.
rv::LawParameters AcquireParameters(const rv::Law& law, NumericField& first, NumericField& second)
{
    const bool usesSecond = law.parameterCount == 2;
    if (law.replacesExactZero) {
        first.ReplaceExactZero();
        if (usesSecond)
            second.ReplaceExactZero();
    }
    rv::LawParameters p;
    p.first = first.Value();
    if (usesSecond)
        p.second = second.Value();
    return p;
}

QString Shown3(double v) { return FloatToStr(RoundTo3(v)); }
QString Shown2(double v) { return FloatToStr(RoundTo2(v)); }

QString ResultText(rv::ResultForm form, double sample, double theory)
{
    switch (form) {
    case rv::ResultForm::SampleOnly:
        return Shown3(sample);
    case rv::ResultForm::Compared:
        return QStringLiteral("экспер: ") + Shown3(sample) + QStringLiteral("  теор: ") + Shown3(theory);
    case rv::ResultForm::ComparedCoarse:
        return QStringLiteral("экспер:") + Shown2(sample) + QStringLiteral(" теор: ") + Shown2(theory);
    }
    return {};
}

}  // namespace

void TForm1::CB1Change()
{
    const int index = CB1->currentIndex();
    if (index < 0 || index >= static_cast<int>(std::size(kLabelling)))
        return;
    const LawLabelling& law = kLabelling[index];

    I0->setPixmap(FormulaPicture(QString::fromLatin1(law.picture)));
    if (law.secondCaption != nullptr) {
        L11->setFont(WindowFont());
        L12->setFont(WindowFont());
        SetCaption(L12, law.secondCaption);
        L12->setVisible(law.secondFieldShown);
        E12->setVisible(law.secondFieldShown);
    } else {
        // The one-parameter exponential law hides the second field first and leaves
        // L12's font alone.
        L12->setVisible(false);
        E12->setVisible(false);
        L11->setFont(WindowFont());
    }
    SetCaption(L11, law.firstCaption);
    Chart11->setTitleLines({QString::fromUtf8(law.chartTitle)});
}

void TForm1::BB1Click()
{
    Chart11->Show();
    Chart12->Show();
    Series11->Clear();
    Series12->Clear();
    const rv::Law* law = rv::LawAt(CB1->currentIndex());
    if (law == nullptr)
        return;

    const rv::LawParameters p = AcquireParameters(*law, *E11, *E12);
    const rv::Sample x = rv::DrawSample(*law, p);

    const rv::Histogram histogram = rv::CountHistogram(x);
    for (double count : histogram.counts)
        Series12->AppendBar(count, clHistogram);
    const std::array<double, 5> scale = rv::RangeScale(histogram.min, histogram.max);
    QLabel* const scaleLabels[] = {ch1, ch2, ch3, ch4, ch5};
    for (std::size_t i = 0; i < scale.size(); ++i)
        scaleLabels[i]->setText(Shown3(scale[i]));
    ch2->adjustSize();  // the one scale label without a fixed width

    const rv::Moments sample = rv::SampleMoments(x);
    if (law->density != nullptr) {
        for (double y : rv::DensityCurve(*law, p))  // all points exist before the first is shown
            Series11->AppendValue(y, clRed);
    } else {
        for (double value : x)
            Series11->AppendValue(value, clRed);
    }

    const rv::Moments theory = law->theory != nullptr ? law->theory(p) : rv::Moments{};
    L14->setText(ResultText(law->resultForm, sample.mean, theory.mean));
    L16->setText(ResultText(law->resultForm, sample.variance, theory.variance));
}

}  // namespace strs
