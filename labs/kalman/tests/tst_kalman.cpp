// Page 3's failed presses: how far the stream has gone when a field fails, and that a
// replaced zero stays. Every press's numbers, errors and charts are pinned by
// tests/answer_keys/lab3_*.

#include "labs/kalman/kalman_page.h"
#include "matematic/random.h"
#include "support/components.h"
#include "support/error_recorder.h"
#include "support/page_host.h"
#include "support/series_values.h"

#include <QLocale>
#include <QPushButton>
#include <QtTest>

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
