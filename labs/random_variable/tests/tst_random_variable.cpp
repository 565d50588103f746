// Page 1 through its real controls: the law choice relabels the page, and a failed press
// keeps what the press before left. Every press's numbers, errors and charts are pinned
// by tests/answer_keys/lab1_*.

#include "labs/random_variable/random_variable_page.h"
#include "matematic/random.h"
#include "shell/fitting_number_label.h"
#include "shell/formula_pictures.h"
#include "shell/ui_texts.h"
#include "support/components.h"
#include "support/error_recorder.h"
#include "support/page_host.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <numeric>

using Page = strs::testing::PageHost<strs::RandomVariablePage>;
using namespace strs::testing;

namespace {

enum Law { kNormal = 0, kUniform = 1, kWeibull = 2, kRayleigh = 3, kExponential = 4 };

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QList<double> Values(const strs::ChartSeries* series) {
    QList<double> values;
    for (const strs::ChartPoint& p : series->points())
        values.append(p.y);
    return values;
}

double Total(const strs::ChartSeries* series) {
    const QList<double> v = Values(series);
    return std::accumulate(v.begin(), v.end(), 0.0);
}

QStringList RangeTexts(const Page& w) {
    return {Label(w, "ch1")->text(), Label(w, "ch2")->text(), Label(w, "ch3")->text(),
            Label(w, "ch4")->text(), Label(w, "ch5")->text()};
}

// Whether the range labels, as the window shows them, stand apart and within the chart.
bool RangeLabelsStayApart(const Page& w) {
    const QWidget* chart = Chart(w, "Chart12");
    const char* const names[] = {"ch1", "ch2", "ch3", "ch4", "ch5"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const auto* label = qobject_cast<const strs::FittingNumberLabel*>(Label(w, names[i]));
        if (label == nullptr)
            return false;
        const int right = label->x() + label->contentsRect().left() +
                          QFontMetrics(label->font()).horizontalAdvance(label->shownText());
        const int limit = i + 1 < std::size(names) ? Label(w, names[i + 1])->x() : chart->width();
        if (right > limit)
            return false;
    }
    return true;
}

bool SamePicture(const QPixmap& a, const QPixmap& b) { return !a.isNull() && a.toImage() == b.toImage(); }

}  // namespace

class RandomVariablePageTest : public QObject {
    Q_OBJECT

    // A fresh window in its start state, with the generator in its start state.
    std::unique_ptr<Page> freshWindow(int law) {
        strs::ResetRandomGenerator();
        auto w = std::make_unique<Page>();
        List(*w, "CB1")->setCurrentIndex(law);
        return w;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // ---------------------------------------------------------------- first presses

    // The range labels show their whole text (the numbers themselves are in the answer keys).
    void rangeLabelsAreNotCutOff() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kNormal);
        Button(*w, "BB1")->click();
        QVERIFY(errors.messages.isEmpty());
        for (const QLabel* label :
             {Label(*w, "ch1"), Label(*w, "ch2"), Label(*w, "ch3"), Label(*w, "ch4"), Label(*w, "ch5")})
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }

    // ---------------------------------------------------------------- failures

    void secondFieldIsNotReadForOneParameterLaws_data() {
        QTest::addColumn<int>("law");
        QTest::newRow("rayleigh") << int(kRayleigh);
        QTest::newRow("exponential") << int(kExponential);
    }
    void secondFieldIsNotReadForOneParameterLaws() {
        QFETCH(int, law);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        Field(*w, "E12")->setText(QString());
        Button(*w, "BB1")->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Series(*w, "Series11")->points().size(), std::size_t(100));
    }

    void failures_data() {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative variance")
            << int(kRayleigh) << Text("-1") << Text("1,5") << Text("Invalid floating point operation.");
        QTest::newRow("alpha zero") << int(kWeibull) << Text("0,0") << Text("1,5")
                                    << Text("Floating point division by zero.");
        QTest::newRow("beta zero") << int(kWeibull) << Text("1,2") << Text("0,0")
                                   << Text("Floating point division by zero.");
        QTest::newRow("negative alpha")
            << int(kWeibull) << Text("-1,2") << Text("1,5") << Text("Invalid floating point operation.");
        QTest::newRow("huge ends") << int(kNormal) << Text("1e308") << Text("1e308")
                                   << Text("Floating point overflow.");
    }
    // Failures while the sample is drawn: both charts visible and empty, labels kept.
    void failures() {
        QFETCH(int, law);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        Button(*w, "BB1")->click();  // a good press first
        const QString mean = Label(*w, "L14")->text();
        const QString variance = Label(*w, "L16")->text();
        const QStringList range = RangeTexts(*w);
        Field(*w, "E11")->setText(first);
        Field(*w, "E12")->setText(second);
        Button(*w, "BB1")->click();
        QCOMPARE(errors.messages, QStringList{message});
        QVERIFY(Series(*w, "Series11")->points().empty());
        QVERIFY(Series(*w, "Series12")->points().empty());
        QCOMPARE(RangeTexts(*w), range);
        QCOMPARE(Label(*w, "L14")->text(), mean);
        QCOMPARE(Label(*w, "L16")->text(), variance);
    }

    // sigma^2 = 0 written as 0,0: the sample is drawn and counted, the curve fails at t = 0.
    void rayleighZeroVarianceFailsAtTheCurve() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kRayleigh);
        Button(*w, "BB1")->click();
        const QString mean = Label(*w, "L14")->text();
        const QString variance = Label(*w, "L16")->text();
        Field(*w, "E11")->setText(Text("0,0"));
        Button(*w, "BB1")->click();
        QCOMPARE(errors.messages, QStringList{Text("Invalid floating point operation.")});
        QList<double> bars(15, 0.0);
        bars[0] = 1000;
        QCOMPARE(Values(Series(*w, "Series12")), bars);
        QCOMPARE(RangeTexts(*w), QStringList(5, Text("0")));
        QVERIFY(Series(*w, "Series11")->points().empty());
        QCOMPARE(Label(*w, "L14")->text(), mean);
        QCOMPARE(Label(*w, "L16")->text(), variance);
    }

    // A sum beyond the double range: bars and range of this press stay, the curve never comes.
    void momentOverflowKeepsTheHistogram() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kExponential);
        Button(*w, "BB1")->click();
        const QString mean = Label(*w, "L14")->text();
        Field(*w, "E11")->setText(Text("-1e-306"));
        Button(*w, "BB1")->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point overflow.")});
        QCOMPARE(Total(Series(*w, "Series12")), 1000.0);
        QVERIFY(Label(*w, "ch1")->text().startsWith(QLatin1Char('-')));
        QVERIFY2(Label(*w, "ch1")->text().contains(Text("E30")), qPrintable(Label(*w, "ch1")->text()));
        QVERIFY2(RangeLabelsStayApart(*w), qPrintable(RangeTexts(*w).join(u' ')));
        QVERIFY(Series(*w, "Series11")->points().empty());
        QCOMPARE(Label(*w, "L14")->text(), mean);
    }

    // The Gamma approximation overflows for 1/beta + 1 = 1e51: the curve is shown, the labels stay.
    void theoryOverflowKeepsTheCurve() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kWeibull);
        Button(*w, "BB1")->click();
        const QString mean = Label(*w, "L14")->text();
        const QString variance = Label(*w, "L16")->text();
        Field(*w, "E11")->setText(Text("100"));
        Field(*w, "E12")->setText(Text("1e-51"));
        Button(*w, "BB1")->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point overflow.")});
        QCOMPARE(Series(*w, "Series11")->points().size(), std::size_t(100));
        QCOMPARE(Total(Series(*w, "Series12")), 1000.0);
        QCOMPARE(Label(*w, "L14")->text(), mean);
        QCOMPARE(Label(*w, "L16")->text(), variance);
    }

    // The generator's one exact zero per period: ln 0 ends the press like a division by zero.
    void uniformZeroEndsTheExponentialPress() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kExponential);
        strs::SetRandomGeneratorState(649090867u);  // followed by state 0
        Button(*w, "BB1")->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point division by zero.")});
        QCOMPARE(strs::RandomGeneratorState(), 0u);  // failed at the first value
        QVERIFY(Series(*w, "Series11")->points().empty());
        QVERIFY(Series(*w, "Series12")->points().empty());
    }

    void noSelectionOnlyShowsAndClearsTheCharts() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kNormal);
        Button(*w, "BB1")->click();
        List(*w, "CB1")->setCurrentIndex(-1);
        const std::uint32_t state = strs::RandomGeneratorState();
        Button(*w, "BB1")->click();
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(Series(*w, "Series11")->points().empty());
        QVERIFY(Series(*w, "Series12")->points().empty());
        QCOMPARE(Label(*w, "L14")->text(), Text("1,35"));
        QCOMPARE(strs::RandomGeneratorState(), state);
    }

    // ---------------------------------------------------------------- law choice

    void startStateIsTheNormalLaw() {
        auto w = freshWindow(kNormal);
        QCOMPARE(Label(*w, "L11")->text(), Text("a"));
        QCOMPARE(Label(*w, "L12")->text(), Text("b"));
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("norm"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Случайная величина")});
    }

    void rayleighHidesTheSecondFieldAndNormalRestoresIt() {
        auto w = freshWindow(kRayleigh);
        QVERIFY(Label(*w, "L12")->isHidden());
        QVERIFY(Field(*w, "E12")->isHidden());
        QCOMPARE(Label(*w, "L11")->text(), Text("Дисперсия СВ X1 и X2"));
        QVERIFY(Label(*w, "L11")->width() >= Label(*w, "L11")->sizeHint().width());  // not cut off
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("rel"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Теоретическое распределение")});

        List(*w, "CB1")->setCurrentIndex(kNormal);
        QVERIFY(!Label(*w, "L12")->isHidden());
        QVERIFY(!Field(*w, "E12")->isHidden());
        QCOMPARE(Label(*w, "L11")->text(), Text("a"));
        QCOMPARE(Label(*w, "L12")->text(), Text("b"));
        QCOMPARE(Label(*w, "L11")->font(), strs::WindowFont());
        QCOMPARE(Label(*w, "L12")->font(), strs::WindowFont());
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("norm"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Случайная величина")});
    }

    void weibullThenExponential() {
        auto w = freshWindow(kWeibull);
        QCOMPARE(Label(*w, "L11")->text(), Text("α"));
        QCOMPARE(Label(*w, "L12")->text(), Text("β"));
        QVERIFY(!Field(*w, "E12")->isHidden());
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("veb"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Теоретическое распределение")});

        List(*w, "CB1")->setCurrentIndex(kExponential);
        QCOMPARE(Label(*w, "L11")->text(), Text("λ"));
        QCOMPARE(Label(*w, "L11")->font(), strs::WindowFont());
        QVERIFY(Label(*w, "L12")->isHidden());
        QVERIFY(Field(*w, "E12")->isHidden());
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("exp"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Теоретическое распределение")});

        List(*w, "CB1")->setCurrentIndex(kUniform);
        QCOMPARE(Label(*w, "L11")->text(), Text("a"));
        QCOMPARE(Label(*w, "L12")->text(), Text("b"));
        QVERIFY(!Field(*w, "E12")->isHidden());
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("ravnom"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Случайная величина")});
    }

    void choosingALawLeavesTextsChartsAndLabels() {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kUniform);
        Field(*w, "E11")->setText(Text("0,7"));
        Button(*w, "BB1")->click();
        const QString mean = Label(*w, "L14")->text();
        const QString variance = Label(*w, "L16")->text();
        const QStringList range = RangeTexts(*w);
        const QList<double> values = Values(Series(*w, "Series11"));
        const QList<double> bars = Values(Series(*w, "Series12"));
        const std::uint32_t state = strs::RandomGeneratorState();
        for (int law : {int(kRayleigh), int(kExponential), int(kWeibull), int(kNormal)}) {
            List(*w, "CB1")->setCurrentIndex(law);
            QCOMPARE(Field(*w, "E11")->text(), Text("0,7"));
            QCOMPARE(Field(*w, "E12")->text(), Text("1,5"));
            QCOMPARE(Label(*w, "L14")->text(), mean);
            QCOMPARE(Label(*w, "L16")->text(), variance);
            QCOMPARE(RangeTexts(*w), range);
            QCOMPARE(Values(Series(*w, "Series11")), values);
            QCOMPARE(Values(Series(*w, "Series12")), bars);
            QVERIFY(!Chart(*w, "Chart11")->isHidden());
        }
        QCOMPARE(strs::RandomGeneratorState(), state);
        QVERIFY(errors.messages.isEmpty());
    }

    void noSelectionChangesNothing() {
        auto w = freshWindow(kRayleigh);
        List(*w, "CB1")->setCurrentIndex(-1);
        QCOMPARE(Label(*w, "L11")->text(), Text("Дисперсия СВ X1 и X2"));
        QVERIFY(Field(*w, "E12")->isHidden());
        QVERIFY(SamePicture(Label(*w, "I0")->pixmap(), strs::FormulaPicture(Text("rel"))));
        QCOMPARE(Chart(*w, "Chart11")->titleLines(), QStringList{Text("Теоретическое распределение")});
    }
};

QTEST_MAIN(RandomVariablePageTest)
#include "tst_random_variable.moc"
