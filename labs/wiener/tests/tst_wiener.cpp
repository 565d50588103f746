// Page 4 through the real window: the order switch and the Wiener filter's Refresh button.

#include "labs/wiener/wiener_page.h"
#include "matematic/ar_model.h"
#include "matematic/random.h"
#include "shell/radio_group.h"
#include "support/components.h"
#include "support/error_recorder.h"
#include "support/page_host.h"
#include "support/series_values.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <array>
#include <cmath>
#include <vector>

using strs::ChartSeries;
using Page = strs::testing::PageHost<strs::WienerPage>;
using namespace strs::testing;

namespace {

void SelectOrder(Page& w, int item) { Radio(w, "RG4")->button(item)->click(); }

}  // namespace

class WienerPageTest : public QObject {
    Q_OBJECT
private:
    std::vector<ChartSeries*> pageSeries(const Page& w) const {
        return {Series(w, "Series411"), Series(w, "Series421"), Series(w, "Series422"),
                Series(w, "Series423")};
    }

    // Both charts shown and all four series empty: what a failed press leaves.
    void verifyFailedPress(const Page& w, const strs::testing::ErrorRecorder& errors,
                           const QString& message) {
        QCOMPARE(errors.messages, QStringList{message});
        QVERIFY(!Chart(w, "Chart41")->isHidden());
        QVERIFY(!Chart(w, "Chart42")->isHidden());
        for (const ChartSeries* s : pageSeries(w))
            QVERIFY(s->points().empty());
    }

    void verifyFirstOrderLayout(const Page& w) {
        QVERIFY(Field(w, "Es4")->isHidden());
        QCOMPARE(Field(w, "E41")->width(), 105);
        QCOMPARE(Label(w, "L41")->text(), QStringLiteral("Коэффициент корреляции"));
        QCOMPARE(Label(w, "L41")->x(), 8);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { strs::ResetRandomGenerator(); }

    void orderSwitchRearrangesTheFields() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectOrder(w, 1);
        QVERIFY(!Field(w, "Es4")->isHidden());
        QCOMPARE(Field(w, "E41")->width(), 50);
        QCOMPARE(Label(w, "L41")->text(), QStringLiteral("КФ R1       КФ R2"));
        QCOMPARE(Label(w, "L41")->x(), 17);
        SelectOrder(w, 0);
        verifyFirstOrderLayout(w);
        QVERIFY(errors.messages.isEmpty());
    }

    void orderSwitchLeavesTheChartsAlone() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectOrder(w, 1);
        QVERIFY(Chart(w, "Chart41")->isHidden());  // no computation, no charts
        QVERIFY(Chart(w, "Chart42")->isHidden());
        SelectOrder(w, 0);
        Button(w, "BitBtn2")->click();
        const std::vector<double> err = Values(Series(w, "Series411"));
        const std::vector<double> x = Values(Series(w, "Series422"));
        const std::uint32_t state = strs::RandomGeneratorState();
        SelectOrder(w, 1);
        QCOMPARE(Values(Series(w, "Series411")), err);
        QCOMPARE(Values(Series(w, "Series422")), x);
        QCOMPARE(strs::RandomGeneratorState(), state);
        QVERIFY(!Chart(w, "Chart41")->isHidden());
        QVERIFY(errors.messages.isEmpty());
    }

    void secondPressReplacesTheSeries() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn2")->click();
        const std::vector<double> err1 = Values(Series(w, "Series411"));
        const std::vector<double> x1 = Values(Series(w, "Series422"));
        Button(w, "BitBtn2")->click();
        for (const ChartSeries* s : pageSeries(w)) {
            QCOMPARE(s->points().size(), std::size_t(100));
            for (std::size_t i = 0; i < 100; ++i)
                QCOMPARE(s->points()[i].x, double(i));
        }
        QCOMPARE(Values(Series(w, "Series411")), err1);  // depends on the parameters only
        QVERIFY(Values(Series(w, "Series422")) != x1);   // a new realisation
        QVERIFY(errors.messages.isEmpty());
    }

    void seriesHoldTheModelsDrawsInTheirColours() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn2")->click();

        strs::ResetRandomGenerator();
        std::array<double, 100> x{}, y{};
        strs::GenerateAr1(0.8, 1.0, strs::Ar1DrivingVariance(0.8, 1.0), x.data(), 100);
        strs::AddObservationNoise(x.data(), 4.0, y.data(), 100);

        for (std::size_t i = 0; i < 100; ++i) {
            QCOMPARE(Series(w, "Series421")->points()[i].y, y[i]);
            QCOMPARE(Series(w, "Series422")->points()[i].y, x[i]);
            QCOMPARE(Series(w, "Series421")->points()[i].colour, strs::clRed);
            QCOMPARE(Series(w, "Series422")->points()[i].colour, strs::clGreen);
            QCOMPARE(Series(w, "Series423")->points()[i].colour, strs::clBlue);
            QCOMPARE(Series(w, "Series411")->points()[i].colour, strs::clBlue);
        }
        // The estimates smooth the observations: closer to the signal than y is.
        double estimateError = 0.0, observationError = 0.0;
        for (std::size_t i = 0; i < 100; ++i) {
            const double xx = Series(w, "Series423")->points()[i].y;
            estimateError += (xx - x[i]) * (xx - x[i]);
            observationError += (y[i] - x[i]) * (y[i] - x[i]);
        }
        QVERIFY(estimateError < observationError / 2);
        QVERIFY(errors.messages.isEmpty());
    }

    void secondOrderSignalIsTheSecondOrderModels() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectOrder(w, 1);
        Button(w, "BitBtn2")->click();
        strs::ResetRandomGenerator();
        const strs::Ar2Coefficients a = strs::YuleWalker2(0.8, 0.9);
        std::array<double, 100> x{};
        strs::GenerateAr2(a, 1.0, strs::Ar2DrivingVariance(a, 0.8, 0.9, 1.0), x.data(), 100);
        QCOMPARE(Values(Series(w, "Series422")), std::vector<double>(x.begin(), x.end()));
        QVERIFY(errors.messages.isEmpty());
    }

    void exactZeroBecomesOneThousandth() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E41")->setText(QStringLiteral("0"));  // r = 0: Ry is diagonal, err = D Dn / (D + Dn)
        Field(w, "E42")->setText(QStringLiteral("0"));
        Field(w, "E43")->setText(QStringLiteral("0"));
        Button(w, "BitBtn2")->click();
        QCOMPARE(Field(w, "E41")->text(), QStringLiteral("0"));  // not one of the replaced fields
        QCOMPARE(Field(w, "E42")->text(), QStringLiteral("0,001"));
        QCOMPARE(Field(w, "E43")->text(), QStringLiteral("0,001"));
        QVERIFY(errors.messages.isEmpty());
        for (double e : Values(Series(w, "Series411")))
            QVERIFY(std::abs(e - 0.0005) < 1e-15);
    }

    void zeroSignalVarianceGivesZeroSignalEstimatesAndErrors() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E42")->setText(QStringLiteral("0,0"));
        Button(w, "BitBtn2")->click();
        QVERIFY(errors.messages.isEmpty());
        for (const ChartSeries* s :
             {Series(w, "Series422"), Series(w, "Series423"), Series(w, "Series411")}) {
            QCOMPARE(s->points().size(), std::size_t(100));
            for (const strs::ChartPoint& p : s->points())
                QCOMPARE(p.y, 0.0);
        }
        int nonZero = 0;  // the observations are pure noise
        for (double v : Values(Series(w, "Series421")))
            nonZero += v != 0.0;
        QCOMPARE(nonZero, 100);
    }

    void zeroPivotIsADivisionByZero() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn2")->click();  // filled series, to be emptied by the failing press
        strs::ResetRandomGenerator();
        Field(w, "E42")->setText(QStringLiteral("0,0"));
        Field(w, "E43")->setText(QStringLiteral("0,0"));
        Button(w, "BitBtn2")->click();
        verifyFailedPress(w, errors, QStringLiteral("Floating point division by zero."));
        QCOMPARE(Field(w, "E42")->text(), QStringLiteral("0,0"));
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(200));
    }

    void unitR1IsADivisionByZero() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectOrder(w, 1);
        Field(w, "E41")->setText(QStringLiteral("1"));
        Field(w, "E42")->setText(QStringLiteral("0"));
        Button(w, "BitBtn2")->click();
        verifyFailedPress(w, errors, QStringLiteral("Floating point division by zero."));
        QCOMPARE(Field(w, "E42")->text(), QStringLiteral("0,001"));  // replaced before the failure
        QCOMPARE(strs::RandomGeneratorState(), std::uint32_t(0));
    }

    void unitA2IsAnInvalidOperationAfterTheDraws() {
        // R1 = 0, R2 = 1: a1 = 0, a2 = 1, Dw = 0; rho[1] = 0 / 0.
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectOrder(w, 1);
        Field(w, "E41")->setText(QStringLiteral("0"));
        Field(w, "Es4")->setText(QStringLiteral("1"));
        Button(w, "BitBtn2")->click();
        verifyFailedPress(w, errors, QStringLiteral("Invalid floating point operation."));
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(200));
    }

    void correlationAboveOneIsAnInvalidOperation() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E41")->setText(QStringLiteral("1,1"));
        Button(w, "BitBtn2")->click();
        verifyFailedPress(w, errors, QStringLiteral("Invalid floating point operation."));
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(1));
    }

    void unitCorrelationGivesAConstantSignal() {
        // r = 1 makes Rx all D and Ry = D J + Dn I, which still inverts.
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E41")->setText(QStringLiteral("1"));
        Button(w, "BitBtn2")->click();
        QVERIFY(errors.messages.isEmpty());
        const std::vector<double> x = Values(Series(w, "Series422"));
        QCOMPARE(x.size(), std::size_t(100));
        for (double v : x)
            QCOMPARE(v, x[0]);
    }

    void negativeNoiseVarianceFailsAtTheObservations() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E43")->setText(QStringLiteral("-4"));
        Button(w, "BitBtn2")->click();
        verifyFailedPress(w, errors, QStringLiteral("Invalid floating point operation."));
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(100));
    }

    void emptyFieldsFailBeforeAnyDraw_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("field");
        QTest::newRow("first order E41") << 0 << QStringLiteral("E41");
        QTest::newRow("first order E42") << 0 << QStringLiteral("E42");
        QTest::newRow("first order E43") << 0 << QStringLiteral("E43");
        QTest::newRow("second order E41") << 1 << QStringLiteral("E41");
        QTest::newRow("second order Es4") << 1 << QStringLiteral("Es4");
        QTest::newRow("second order E43") << 1 << QStringLiteral("E43");
    }
    void emptyFieldsFailBeforeAnyDraw() {
        QFETCH(int, order);
        QFETCH(QString, field);
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectOrder(w, order);
        w.findChild<strs::NumericField*>(field)->clear();
        Button(w, "BitBtn2")->click();
        verifyFailedPress(w, errors, QStringLiteral("'' is not a valid floating point value."));
        QCOMPARE(strs::RandomGeneratorState(), std::uint32_t(0));
    }

    void secondFieldIsIgnoredInFirstOrder() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "Es4")->clear();
        Button(w, "BitBtn2")->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Series(w, "Series411")->points().size(), std::size_t(100));
    }
};

QTEST_MAIN(WienerPageTest)
#include "tst_wiener.moc"
