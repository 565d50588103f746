// Page 1 through its real controls: the law choice relabels the page, the Refresh
// button draws the sample and fills the charts and labels.

#include "matematic/random.h"
#include "shell/formula_pictures.h"
#include "shell/main_window.h"
#include "shell/ui_texts.h"
#include "support/error_recorder.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <numeric>

using strs::TForm1;

namespace {

enum Law { kNormal = 0, kUniform = 1, kWeibull = 2, kRayleigh = 3, kExponential = 4 };

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QList<double> Values(const strs::ChartSeries* series)
{
    QList<double> values;
    for (const strs::ChartPoint& p : series->points())
        values.append(p.y);
    return values;
}

double Total(const strs::ChartSeries* series)
{
    const QList<double> v = Values(series);
    return std::accumulate(v.begin(), v.end(), 0.0);
}

QStringList RangeTexts(const TForm1& w)
{
    return {w.ch1->text(), w.ch2->text(), w.ch3->text(), w.ch4->text(), w.ch5->text()};
}

bool SamePicture(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull() && a.toImage() == b.toImage();
}

}  // namespace

class RandomVariablePageTest : public QObject {
    Q_OBJECT

    // A fresh window in its start state, with the generator in its start state.
    std::unique_ptr<TForm1> freshWindow(int law)
    {
        strs::ResetRandomGenerator();
        auto w = std::make_unique<TForm1>();
        w->CB1->setCurrentIndex(law);
        return w;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // ---------------------------------------------------------------- first presses

    // The range labels show their whole text (the numbers themselves are in the answer keys).
    void rangeLabelsAreNotCutOff()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kNormal);
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        for (const QLabel* label : {w->ch1, w->ch2, w->ch3, w->ch4, w->ch5})
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }

    void pointsAndColours_data()
    {
        QTest::addColumn<int>("law");
        QTest::addColumn<int>("points");
        QTest::newRow("normal") << int(kNormal) << 1000;
        QTest::newRow("uniform") << int(kUniform) << 1000;
        QTest::newRow("weibull") << int(kWeibull) << 100;
        QTest::newRow("rayleigh") << int(kRayleigh) << 100;
        QTest::newRow("exponential") << int(kExponential) << 100;
    }
    void pointsAndColours()
    {
        QFETCH(int, law);
        QFETCH(int, points);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        QVERIFY(w->Chart11->isHidden());
        QVERIFY(w->Chart12->isHidden());
        for (int press = 0; press < 2; ++press) {
            w->BB1->click();
            QVERIFY(!w->Chart11->isHidden());
            QVERIFY(!w->Chart12->isHidden());
            QCOMPARE(w->Series11->points().size(), std::size_t(points));
            QCOMPARE(w->Series12->points().size(), std::size_t(15));
            QCOMPARE(Total(w->Series12), 1000.0);
            for (std::size_t i = 0; i < w->Series11->points().size(); ++i) {
                QCOMPARE(w->Series11->points()[i].x, double(i));
                QCOMPARE(w->Series11->points()[i].colour, strs::clRed);
            }
            for (std::size_t i = 0; i < 15; ++i) {
                QCOMPARE(w->Series12->points()[i].x, double(i));
                QCOMPARE(w->Series12->points()[i].colour, strs::clHistogram);
            }
        }
        QVERIFY(errors.messages.isEmpty());
    }

    void secondPressDrawsANewSample()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kNormal);
        w->BB1->click();
        const QString firstMax = w->ch5->text();
        const QList<double> firstBars = Values(w->Series12);
        w->BB1->click();
        QVERIFY(Values(w->Series12) != firstBars || w->ch5->text() != firstMax);
    }

    // ---------------------------------------------------------------- zero replacement

    void zeroIsReplacedForTheOneParameterLaws_data()
    {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("theoryEnd");
        // lambda = 0.001: mean 1000; sigma^2 = 0.001: mean sqrt(pi/2 * 0.001) = 0.0396.
        QTest::newRow("exponential") << int(kExponential) << Text("  теор: 1000");
        QTest::newRow("rayleigh") << int(kRayleigh) << Text("  теор: 0,04");
    }
    void zeroIsReplacedForTheOneParameterLaws()
    {
        QFETCH(int, law);
        QFETCH(QString, theoryEnd);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        w->E11->setText(Text("0"));
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(w->E11->text(), Text("0,001"));
        QCOMPARE(w->E11->lastAccepted(), Text("0,001"));
        QVERIFY2(w->L14->text().endsWith(theoryEnd), qPrintable(w->L14->text()));
    }

    void zeroIsReplacedInBothWeibullFields()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kWeibull);
        w->E11->setText(Text("0"));
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(w->E11->text(), Text("0,001"));
        QCOMPARE(w->E12->text(), Text("1,5"));

        // beta = 0.001 makes the first value overflow; the replaced texts stay.
        w->E11->setText(Text("0"));
        w->E12->setText(Text("0"));
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point overflow.")});
        QCOMPARE(w->E11->text(), Text("0,001"));
        QCOMPARE(w->E12->text(), Text("0,001"));
    }

    void zeroIsReadAsZeroForTheTwoEndLaws_data()
    {
        QTest::addColumn<int>("law");
        QTest::newRow("normal") << int(kNormal);
        QTest::newRow("uniform") << int(kUniform);
    }
    void zeroIsReadAsZeroForTheTwoEndLaws()
    {
        QFETCH(int, law);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        w->E11->setText(Text("0"));
        w->E12->setText(Text("0"));
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(w->E11->text(), Text("0"));
        QCOMPARE(w->E12->text(), Text("0"));
        QCOMPARE(RangeTexts(*w), QStringList(5, Text("0")));
    }

    void otherZerosAreNotReplaced()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kExponential);
        w->E11->setText(Text("0,0"));
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point division by zero.")});
        QCOMPARE(w->E11->text(), Text("0,0"));
        QVERIFY(!w->Chart11->isHidden());
        QVERIFY(!w->Chart12->isHidden());
        QVERIFY(w->Series11->points().empty());
        QVERIFY(w->Series12->points().empty());
        QCOMPARE(RangeTexts(*w), QStringList(5, Text("0")));
        QVERIFY(w->L14->text().isEmpty());
    }

    // ---------------------------------------------------------------- failures

    void emptyFieldStopsBeforeAnyDraw()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kNormal);
        w->E11->setText(QString());
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("'' is not a valid floating point value.")});
        QCOMPARE(strs::RandomGeneratorState(), 0u);
        QVERIFY(!w->Chart11->isHidden());
        QVERIFY(w->Series12->points().empty());
    }

    void loneMinusInTheSecondField()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kUniform);
        w->E12->setText(Text("-"));
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("'-' is not a valid floating point value.")});
        QCOMPARE(strs::RandomGeneratorState(), 0u);
    }

    void secondFieldIsNotReadForOneParameterLaws_data()
    {
        QTest::addColumn<int>("law");
        QTest::newRow("rayleigh") << int(kRayleigh);
        QTest::newRow("exponential") << int(kExponential);
    }
    void secondFieldIsNotReadForOneParameterLaws()
    {
        QFETCH(int, law);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        w->E12->setText(QString());
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(w->Series11->points().size(), std::size_t(100));
    }

    void failures_data()
    {
        QTest::addColumn<int>("law");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative variance") << int(kRayleigh) << Text("-1") << Text("1,5")
                                           << Text("Invalid floating point operation.");
        QTest::newRow("alpha zero") << int(kWeibull) << Text("0,0") << Text("1,5")
                                    << Text("Floating point division by zero.");
        QTest::newRow("beta zero") << int(kWeibull) << Text("1,2") << Text("0,0")
                                   << Text("Floating point division by zero.");
        QTest::newRow("negative alpha") << int(kWeibull) << Text("-1,2") << Text("1,5")
                                        << Text("Invalid floating point operation.");
        QTest::newRow("huge ends") << int(kNormal) << Text("1e308") << Text("1e308")
                                   << Text("Floating point overflow.");
    }
    // Failures while the sample is drawn: both charts visible and empty, labels kept.
    void failures()
    {
        QFETCH(int, law);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(law);
        w->BB1->click();  // a good press first
        const QString mean = w->L14->text();
        const QString variance = w->L16->text();
        const QStringList range = RangeTexts(*w);
        w->E11->setText(first);
        w->E12->setText(second);
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{message});
        QVERIFY(w->Series11->points().empty());
        QVERIFY(w->Series12->points().empty());
        QCOMPARE(RangeTexts(*w), range);
        QCOMPARE(w->L14->text(), mean);
        QCOMPARE(w->L16->text(), variance);
    }

    // sigma^2 = 0 written as 0,0: the sample is drawn and counted, the curve fails at t = 0.
    void rayleighZeroVarianceFailsAtTheCurve()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kRayleigh);
        w->BB1->click();
        const QString mean = w->L14->text();
        const QString variance = w->L16->text();
        w->E11->setText(Text("0,0"));
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("Invalid floating point operation.")});
        QList<double> bars(15, 0.0);
        bars[0] = 1000;
        QCOMPARE(Values(w->Series12), bars);
        QCOMPARE(RangeTexts(*w), QStringList(5, Text("0")));
        QVERIFY(w->Series11->points().empty());
        QCOMPARE(w->L14->text(), mean);
        QCOMPARE(w->L16->text(), variance);
    }

    // A sum beyond the double range: bars and range of this press stay, the curve never comes.
    void momentOverflowKeepsTheHistogram()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kExponential);
        w->BB1->click();
        const QString mean = w->L14->text();
        w->E11->setText(Text("-1e-306"));
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point overflow.")});
        QCOMPARE(Total(w->Series12), 1000.0);
        QVERIFY(w->ch1->text().startsWith(QLatin1Char('-')));
        QVERIFY2(w->ch1->text().contains(Text("E30")), qPrintable(w->ch1->text()));
        QVERIFY(w->Series11->points().empty());
        QCOMPARE(w->L14->text(), mean);
    }

    // The Gamma approximation overflows for 1/beta + 1 = 1e51: the curve is shown, the labels stay.
    void theoryOverflowKeepsTheCurve()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kWeibull);
        w->BB1->click();
        const QString mean = w->L14->text();
        const QString variance = w->L16->text();
        w->E11->setText(Text("100"));
        w->E12->setText(Text("1e-51"));
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point overflow.")});
        QCOMPARE(w->Series11->points().size(), std::size_t(100));
        QCOMPARE(Total(w->Series12), 1000.0);
        QCOMPARE(w->L14->text(), mean);
        QCOMPARE(w->L16->text(), variance);
    }

    // The generator's one exact zero per period: ln 0 ends the press like a division by zero.
    void uniformZeroEndsTheExponentialPress()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kExponential);
        strs::SetRandomGeneratorState(649090867u);  // followed by state 0
        w->BB1->click();
        QCOMPARE(errors.messages, QStringList{Text("Floating point division by zero.")});
        QCOMPARE(strs::RandomGeneratorState(), 0u);  // failed at the first value
        QVERIFY(w->Series11->points().empty());
        QVERIFY(w->Series12->points().empty());
    }

    void unusualInputsAreComputed()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kExponential);
        w->E11->setText(Text("-1"));
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(w->L14->text().endsWith(Text("теор: -1")));
        QVERIFY(w->Series11->points().back().y < w->Series11->points().front().y);
    }

    void noSelectionOnlyShowsAndClearsTheCharts()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kNormal);
        w->BB1->click();
        w->CB1->setCurrentIndex(-1);
        const std::uint32_t state = strs::RandomGeneratorState();
        w->BB1->click();
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(w->Series11->points().empty());
        QVERIFY(w->Series12->points().empty());
        QCOMPARE(w->L14->text(), Text("1,35"));
        QCOMPARE(strs::RandomGeneratorState(), state);
    }

    // ---------------------------------------------------------------- law choice

    void startStateIsTheNormalLaw()
    {
        auto w = freshWindow(kNormal);
        QCOMPARE(w->L11->text(), Text("a"));
        QCOMPARE(w->L12->text(), Text("b"));
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("norm"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Случайная величина")});
    }

    void rayleighHidesTheSecondFieldAndNormalRestoresIt()
    {
        auto w = freshWindow(kRayleigh);
        QVERIFY(w->L12->isHidden());
        QVERIFY(w->E12->isHidden());
        QCOMPARE(w->L11->text(), Text("Дисперсия СВ X1 и X2"));
        QVERIFY(w->L11->width() >= w->L11->sizeHint().width());  // not cut off
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("rel"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Теоретическое распределение")});

        w->CB1->setCurrentIndex(kNormal);
        QVERIFY(!w->L12->isHidden());
        QVERIFY(!w->E12->isHidden());
        QCOMPARE(w->L11->text(), Text("a"));
        QCOMPARE(w->L12->text(), Text("b"));
        QCOMPARE(w->L11->font(), strs::WindowFont());
        QCOMPARE(w->L12->font(), strs::WindowFont());
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("norm"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Случайная величина")});
    }

    void weibullThenExponential()
    {
        auto w = freshWindow(kWeibull);
        QCOMPARE(w->L11->text(), Text("α"));
        QCOMPARE(w->L12->text(), Text("β"));
        QVERIFY(!w->E12->isHidden());
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("veb"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Теоретическое распределение")});

        w->CB1->setCurrentIndex(kExponential);
        QCOMPARE(w->L11->text(), Text("λ"));
        QCOMPARE(w->L11->font(), strs::WindowFont());
        QVERIFY(w->L12->isHidden());
        QVERIFY(w->E12->isHidden());
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("exp"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Теоретическое распределение")});

        w->CB1->setCurrentIndex(kUniform);
        QCOMPARE(w->L11->text(), Text("a"));
        QCOMPARE(w->L12->text(), Text("b"));
        QVERIFY(!w->E12->isHidden());
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("ravnom"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Случайная величина")});
    }

    void choosingALawLeavesTextsChartsAndLabels()
    {
        strs::testing::ErrorRecorder errors;
        auto w = freshWindow(kUniform);
        w->E11->setText(Text("0,7"));
        w->BB1->click();
        const QString mean = w->L14->text();
        const QString variance = w->L16->text();
        const QStringList range = RangeTexts(*w);
        const QList<double> values = Values(w->Series11);
        const QList<double> bars = Values(w->Series12);
        const std::uint32_t state = strs::RandomGeneratorState();
        for (int law : {int(kRayleigh), int(kExponential), int(kWeibull), int(kNormal)}) {
            w->CB1->setCurrentIndex(law);
            QCOMPARE(w->E11->text(), Text("0,7"));
            QCOMPARE(w->E12->text(), Text("1,5"));
            QCOMPARE(w->L14->text(), mean);
            QCOMPARE(w->L16->text(), variance);
            QCOMPARE(RangeTexts(*w), range);
            QCOMPARE(Values(w->Series11), values);
            QCOMPARE(Values(w->Series12), bars);
            QVERIFY(!w->Chart11->isHidden());
        }
        QCOMPARE(strs::RandomGeneratorState(), state);
        QVERIFY(errors.messages.isEmpty());
    }

    void noSelectionChangesNothing()
    {
        auto w = freshWindow(kRayleigh);
        w->CB1->setCurrentIndex(-1);
        QCOMPARE(w->L11->text(), Text("Дисперсия СВ X1 и X2"));
        QVERIFY(w->E12->isHidden());
        QVERIFY(SamePicture(w->I0->pixmap(), strs::FormulaPicture(Text("rel"))));
        QCOMPARE(w->Chart11->titleLines(), QStringList{Text("Теоретическое распределение")});
    }
};

QTEST_MAIN(RandomVariablePageTest)
#include "tst_random_variable.moc"
