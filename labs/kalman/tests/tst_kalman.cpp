// Page 3 through the real window: the scalar Kalman filter's Refresh button.

#include "labs/kalman/kalman_filter.h"
#include "labs/kalman/kalman_page.h"
#include "matematic/ar_model.h"
#include "matematic/random.h"
#include "support/components.h"
#include "support/error_recorder.h"
#include "support/page_host.h"
#include "support/series_values.h"

#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <vector>

using strs::ChartSeries;
using Page = strs::testing::PageHost<strs::KalmanPage>;
using namespace strs::testing;

class KalmanPageTest : public QObject {
    Q_OBJECT
private:
    std::vector<ChartSeries*> pageSeries(const Page& w) const {
        return {Series(w, "Series32"), Series(w, "Series311"), Series(w, "Series312"),
                Series(w, "Series313")};
    }

    // Both charts shown and all four series empty: what a failed press leaves.
    void verifyFailedPress(const Page& w, const strs::testing::ErrorRecorder& errors,
                           const QString& message) {
        QCOMPARE(errors.messages, QStringList{message});
        QVERIFY(!Chart(w, "Chart31")->isHidden());
        QVERIFY(!Chart(w, "Chart32")->isHidden());
        for (const ChartSeries* s : pageSeries(w))
            QVERIFY(s->points().empty());
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { strs::ResetRandomGenerator(); }

    void chartsAppearOnlyWithTheFirstPress() {
        strs::testing::ErrorRecorder errors;
        Page w;
        QVERIFY(Chart(w, "Chart31")->isHidden());
        QVERIFY(Chart(w, "Chart32")->isHidden());
        Button(w, "BB3")->click();
        QVERIFY(!Chart(w, "Chart31")->isHidden());
        QVERIFY(!Chart(w, "Chart32")->isHidden());
        QVERIFY(errors.messages.isEmpty());
    }

    void secondPressReplacesTheSeries() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BB3")->click();
        const std::vector<double> p1 = Values(Series(w, "Series32"));
        const std::vector<double> x1 = Values(Series(w, "Series312"));
        Button(w, "BB3")->click();
        for (const ChartSeries* s : pageSeries(w)) {
            QCOMPARE(s->points().size(), std::size_t(100));
            for (std::size_t k = 0; k < 100; ++k)
                QCOMPARE(s->points()[k].x, double(k));
        }
        QCOMPARE(Values(Series(w, "Series32")), p1);    // the variance depends on the parameters only
        QVERIFY(Values(Series(w, "Series312")) != x1);  // a new realisation of the signal
        QVERIFY(errors.messages.isEmpty());
    }

    void seriesHoldTheModelTheFilterAndTheirColours() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BB3")->click();

        // The same draws through the shared model, in the page's order: x, then y.
        strs::ResetRandomGenerator();
        strs::KalmanSequence x{}, y{}, xx{}, p{};
        const double dw = strs::Ar1DrivingVariance(0.9, 1.0);
        strs::GenerateAr1(0.9, 1.0, dw, x.data(), 100);
        strs::AddObservationNoise(x.data(), 4.0, y.data(), 100);
        strs::RunScalarKalmanFilter(strs::KalmanModel{0.9, 1.0, dw, 4.0}, y, xx, p);

        const auto check = [](const ChartSeries* s, const strs::KalmanSequence& expected,
                              strs::TColor colour) {
            QCOMPARE(s->points().size(), std::size_t(100));
            for (std::size_t k = 0; k < 100; ++k) {
                QCOMPARE(s->points()[k].y, expected[k]);
                QCOMPARE(s->points()[k].colour, colour);
            }
        };
        check(Series(w, "Series311"), y, strs::clRed);
        check(Series(w, "Series312"), x, strs::clGreen);
        check(Series(w, "Series313"), xx, strs::clBlue);
        check(Series(w, "Series32"), p, strs::clRed);
        QVERIFY(errors.messages.isEmpty());
    }

    void exactZeroBecomesOneThousandth() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E33")->setText(QStringLiteral("0"));
        Button(w, "BB3")->click();
        QCOMPARE(Field(w, "E33")->text(), QStringLiteral("0,001"));
        QCOMPARE(Series(w, "Series32")->points()[0].y, 0.001 / (0.001 / 4.0 + 1.0));

        Field(w, "E33")->setText(QStringLiteral("1"));
        Field(w, "E34")->setText(QStringLiteral("0"));
        Button(w, "BB3")->click();
        QCOMPARE(Field(w, "E34")->text(), QStringLiteral("0,001"));
        QCOMPARE(Series(w, "Series32")->points()[0].y, 1.0 / (1.0 / 0.001 + 1.0));
        QVERIFY(errors.messages.isEmpty());
    }

    void otherZeroTextIsADivisionByZero() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BB3")->click();  // filled series, to be emptied by the failing press
        strs::ResetRandomGenerator();
        Field(w, "E33")->setText(QStringLiteral("0"));
        Field(w, "E34")->setText(QStringLiteral("0,0"));
        Button(w, "BB3")->click();
        verifyFailedPress(w, errors, QStringLiteral("Floating point division by zero."));
        QCOMPARE(Field(w, "E34")->text(), QStringLiteral("0,0"));
        QCOMPARE(Field(w, "E33")->text(), QStringLiteral("0,001"));  // the replacement stays
        // It fails in the filter, after the signal and the observations were drawn.
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(200));
    }

    void zeroSignalAndNoiseIsAnInvalidOperation() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E33")->setText(QStringLiteral("0,0"));
        Field(w, "E34")->setText(QStringLiteral("0,0"));
        Button(w, "BB3")->click();
        verifyFailedPress(w, errors, QStringLiteral("Invalid floating point operation."));
    }

    void correlationAboveOneIsAnInvalidOperation() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E32")->setText(QStringLiteral("1,1"));
        Button(w, "BB3")->click();
        verifyFailedPress(w, errors, QStringLiteral("Invalid floating point operation."));
        // The root of the negative driving variance fails at x[1], after x[0]'s variate.
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(1));
    }

    void negativeVariancesAreInvalidOperations() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E33")->setText(QStringLiteral("-1"));
        Button(w, "BB3")->click();
        QCOMPARE(strs::RandomGeneratorState(), std::uint32_t(0));  // fails at sqrt(D)
        Field(w, "E33")->setText(QStringLiteral("1"));
        strs::ResetRandomGenerator();
        Field(w, "E34")->setText(QStringLiteral("-4"));
        Button(w, "BB3")->click();
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(100));  // at sqrt(Dn)
        QCOMPARE(errors.messages, QStringList(2, QStringLiteral("Invalid floating point operation.")));
        for (const ChartSeries* s : pageSeries(w))
            QVERIFY(s->points().empty());
    }

    void unitCorrelationGivesAConstantSignal() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E32")->setText(QStringLiteral("1"));
        Button(w, "BB3")->click();
        QVERIFY(errors.messages.isEmpty());
        const std::vector<double> x = Values(Series(w, "Series312"));
        QCOMPARE(x.size(), std::size_t(100));
        QVERIFY(x[0] != 0.0);
        for (double v : x)
            QCOMPARE(v, x[0]);
    }

    void zeroSignalVarianceGivesZeroSignalEstimatesAndVariance() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E33")->setText(QStringLiteral("0,0"));
        Button(w, "BB3")->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Field(w, "E33")->text(), QStringLiteral("0,0"));
        for (const ChartSeries* s : {Series(w, "Series312"), Series(w, "Series313"), Series(w, "Series32")}) {
            QCOMPARE(s->points().size(), std::size_t(100));
            for (const strs::ChartPoint& p : s->points())
                QCOMPARE(p.y, 0.0);
        }
        int nonZero = 0;  // the observations are pure noise
        for (double v : Values(Series(w, "Series311")))
            nonZero += v != 0.0;
        QCOMPARE(nonZero, 100);
    }

    void emptyFieldsFailWhenRead_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("drawsBefore");
        QTest::newRow("E32") << QStringLiteral("E32") << 0;
        QTest::newRow("E33") << QStringLiteral("E33") << 0;
        QTest::newRow("E34") << QStringLiteral("E34") << 100;  // read after the signal
    }
    void emptyFieldsFailWhenRead() {
        QFETCH(QString, field);
        QFETCH(int, drawsBefore);
        strs::testing::ErrorRecorder errors;
        Page w;
        w.findChild<strs::NumericField*>(field)->clear();
        Button(w, "BB3")->click();
        verifyFailedPress(w, errors, QStringLiteral("'' is not a valid floating point value."));
        QCOMPARE(strs::RandomGeneratorState(), StateAfterNormalDraws(drawsBefore));
        if (drawsBefore > 0)
            QVERIFY(strs::RandomGeneratorState() != 0);
    }
};

QTEST_MAIN(KalmanPageTest)
#include "tst_kalman.moc"
