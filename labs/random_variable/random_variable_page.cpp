// Page 1: random variables of five distribution laws. The laws themselves (drawing,
// density, moments, labelling) are in random_variable_laws.cpp; here they meet the
// page's controls.

#include "labs/random_variable/random_variable_page.h"

#include "labs/random_variable/histogram.h"
#include "labs/random_variable/moments.h"
#include "labs/random_variable/random_variable_laws.h"
#include "matematic/rounding.h"
#include "shell/accessibility.h"
#include "shell/fitting_number_label.h"
#include "shell/formula_pictures.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"
#include "shell/page_parts.h"
#include "shell/shown_numbers.h"
#include "shell/ui_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace strs {
namespace {

namespace rv = random_variable;

// Where the value scale's labels stand under the histogram; a width of -1 follows the text.
struct ScalePlace {
    const char* name;
    int left;
    int width;
    const char* meaning;  // what a screen reader says before the number
};
constexpr ScalePlace kScalePlaces[] = {
    {"ch1", 40, 49, QT_TRANSLATE_NOOP("strs::RandomVariablePage", "Шкала гистограммы, минимум")},
    {"ch2", 122, -1, QT_TRANSLATE_NOOP("strs::RandomVariablePage", "Шкала гистограммы, первая четверть")},
    {"ch3", 216, 41, QT_TRANSLATE_NOOP("strs::RandomVariablePage", "Шкала гистограммы, середина")},
    {"ch4", 302, 49, QT_TRANSLATE_NOOP("strs::RandomVariablePage", "Шкала гистограммы, третья четверть")},
    {"ch5", 372, 41, QT_TRANSLATE_NOOP("strs::RandomVariablePage", "Шкала гистограммы, максимум")}};
constexpr int kScaleGap = 4;  // the least blank between ch2 and ch3

// A text of the law table, in the window's language.
QString LawText(const char* source) {
    return QCoreApplication::translate("strs::random_variable::Law", source);
}

void SetCaption(QLabel* label, const char* source) {
    label->setText(LawText(source));
    label->adjustSize();  // captions size themselves to their text
}

// The zero replacement, then the fields in order; E12 only for two-parameter laws.
rv::LawParameters AcquireParameters(const rv::Law& law, NumericField& first, NumericField& second) {
    const bool usesSecond = law.parameterCount == 2;
    if (law.replacesExactZero) {
        first.replaceExactZero();
        if (usesSecond)
            second.replaceExactZero();
    }
    rv::LawParameters p;
    p.first = first.value();
    if (usesSecond)
        p.second = second.value();
    return p;
}

QString Shown3(double v) { return FloatToStr(RoundTo3(v)); }
QString Shown2(double v) { return FloatToStr(RoundTo2(v)); }

// The result in the law's form; the label keeps the unrounded numbers behind it.
void ShowResult(QLabel* label, rv::ResultForm form, double sample, double theory) {
    switch (form) {
    case rv::ResultForm::SampleOnly:
        ShowNumbers(label, Shown3(sample), {sample});
        return;
    case rv::ResultForm::Compared:
        ShowNumbers(label, RandomVariablePage::tr("экспер: %1  теор: %2").arg(Shown3(sample), Shown3(theory)),
                    {sample, theory});
        return;
    case rv::ResultForm::ComparedCoarse:
        ShowNumbers(label, RandomVariablePage::tr("экспер:%1 теор: %2").arg(Shown2(sample), Shown2(theory)),
                    {sample, theory});
        return;
    }
}

}  // namespace

RandomVariablePage::RandomVariablePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TS1"));
    PaintPageColour(this);
    build();
    buildCharts();
    showFormula(rv::LawAt(0)->labelling);  // the normal law's, "norm"
}

void RandomVariablePage::showFormula(const rv::LawLabelling& labelling) {
    I0_->setPixmap(FormulaPicture(QString::fromLatin1(labelling.picture)));
    Describe(I0_, tr("Формула: %1").arg(LawText(labelling.formula)));
}

void RandomVariablePage::build() {
    MakeTitle(this, "L1", tr("Моделирование случайных величин с заданными законами распределения"),
              QRect(8, 16, 241, 41), Qt::AlignLeft);

    CB1_ = new QComboBox(this);
    CB1_->setObjectName(QStringLiteral("CB1"));
    CB1_->setGeometry(8, 72, 217, 21);
    for (int i = 0; i < rv::LawCount(); ++i)
        CB1_->addItem(LawText(rv::LawAt(i)->labelling.listName));
    CB1_->setCurrentIndex(0);
    Describe(CB1_, tr("Закон распределения"));

    QGroupBox* in = MakeGroup(this, "InPar1", tr("Входные параметры"), QRect(8, 112, 217, 129), true);
    L11_ = MakeLabel(in, "L11", QStringLiteral("a"), 8, 16);
    E11_ = MakeField(in, "E11", "1,2", 16, 36, 97, true);
    L12_ = MakeLabel(in, "L12", QStringLiteral("b"), 8, 72);
    E12_ = MakeField(in, "E12", "1,5", 16, 96, 97, true);
    I0_ = new QLabel(in);
    I0_->setObjectName(QStringLiteral("I0"));
    I0_->setGeometry(116, 19, 95, 95);
    I0_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    describeLawFields();

    QGroupBox* out = MakeGroup(this, "OutPar1", tr("Выходные параметры"), QRect(8, 248, 217, 129), true);
    const QLabel* meanCaption = MakeLabel(out, "L13", tr("Математическое ожидание"), 16, 24);
    L14_ = MakeResultLabel(out, "L14", 16, 48, meanCaption);
    const QLabel* varianceCaption = MakeLabel(out, "L15", tr("Дисперсия"), 16, 72);
    L16_ = MakeResultLabel(out, "L16", 16, 96, varianceCaption);

    QPushButton* refreshButton = MakeRefreshButton(this, "BB1");
    connect(CB1_, &QComboBox::currentIndexChanged, this, Guarded(this, &RandomVariablePage::showLaw));
    connect(refreshButton, &QPushButton::clicked, this, Guarded(this, &RandomVariablePage::refresh));
}

void RandomVariablePage::buildCharts() {
    QGroupBox* charts = MakeChartGroup(this, "Graf1");
    Chart11_ = MakeChart(charts, "Chart11", 16, {tr("Случайная величина")});
    Chart12_ = MakeChart(charts, "Chart12", 216, {tr("Гистограмма")});
    Chart12_->setBottomLabelsVisible(false);
    Chart12_->setBottomMarginPercent(7);
    Chart12_->raise();  // the lower chart lies in front of the upper one's bottom rows
    Series11_ = AddLineSeries(Chart11_, "Series11", clRed);
    Series12_ = Chart12_->addSeries(QStringLiteral("Series12"), ChartSeries::Kind::Bar, clHistogram);
    SetSeriesCaptions(Chart11_, {tr("Значение")});
    SetSeriesCaptions(Chart12_, {tr("Число значений в интервале")});

    // The value scale under the histogram, in place of the hidden bottom labels.
    for (std::size_t i = 0; i < std::size(kScalePlaces); ++i) {
        const ScalePlace& place = kScalePlaces[i];
        auto* label = new FittingNumberLabel(Chart12_);
        ReadWithMeaning(label, tr(place.meaning));  // before its first text is announced
        PlaceLabel(label, place.name, QStringLiteral("0"), place.left, 192, place.width, false);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        scale_[i] = label;
    }
}

void RandomVariablePage::showLaw() {
    const rv::Law* law = rv::LawAt(CB1_->currentIndex());
    if (law == nullptr)
        return;
    const rv::LawLabelling& labelling = law->labelling;

    showFormula(labelling);
    if (labelling.secondCaption != nullptr) {
        L11_->setFont(WindowFont());
        L12_->setFont(WindowFont());
        SetCaption(L12_, labelling.secondCaption);
        L12_->setVisible(labelling.secondFieldShown);
        E12_->setVisible(labelling.secondFieldShown);
    } else {
        // The one-parameter exponential law hides the second field first and leaves
        // L12's font alone.
        L12_->setVisible(false);
        E12_->setVisible(false);
        L11_->setFont(WindowFont());
    }
    SetCaption(L11_, labelling.firstCaption);
    describeLawFields();
    Chart11_->setTitleLines({LawText(labelling.chartTitle)});
}

void RandomVariablePage::describeLawFields() {
    // A one-letter caption names a parameter; a longer one says what it is.
    const auto name = [](const QLabel* caption) {
        const QString text = caption->text();
        return text.size() == 1 ? tr("Параметр %1").arg(text) : text;
    };
    DescribeField(E11_, name(L11_), Quantity::LawParameter);
    DescribeField(E12_, name(L12_), Quantity::LawParameter);
}

void RandomVariablePage::refresh() {
    Chart11_->setVisible(true);
    Chart12_->setVisible(true);
    Series11_->clear();
    Series12_->clear();
    const rv::Law* law = rv::LawAt(CB1_->currentIndex());
    if (law == nullptr)
        return;

    const rv::LawParameters p = AcquireParameters(*law, *E11_, *E12_);
    const rv::Sample x = rv::DrawSample(*law, p);

    const rv::Histogram histogram = rv::CountHistogram(x);
    for (double count : histogram.counts)
        Series12_->appendBar(count, clHistogram);
    Chart12_->setBarBins(histogram.min, histogram.max);
    const std::array<double, 5> scale = rv::RangeScale(histogram.min, histogram.max);
    for (std::size_t i = 0; i < scale.size(); ++i)
        ShowNumbers(scale_[i], Shown3(scale[i]), {scale[i]});
    // ch2, the one scale label without a fixed width, grows with its text up to ch3.
    scale_[1]->adjustSize();
    scale_[1]->resize(std::min(scale_[1]->width(), kScalePlaces[2].left - kScalePlaces[1].left - kScaleGap),
                      scale_[1]->height());

    const rv::Moments sample = rv::SampleMoments(x);
    if (law->density != nullptr) {
        for (double y : rv::DensityCurve(*law, p))  // all points exist before the first is shown
            Series11_->appendValue(y, clRed);
    } else {
        for (double value : x)
            Series11_->appendValue(value, clRed);
    }

    const rv::Moments theory = law->theory != nullptr ? law->theory(p) : rv::Moments{};
    ShowResult(L14_, law->resultForm, sample.mean, theory.mean);
    ShowResult(L16_, law->resultForm, sample.variance, theory.variance);
}

}  // namespace strs
