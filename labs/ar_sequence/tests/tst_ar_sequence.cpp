// The autoregressive sequence page, pressed as a user presses it.

#include "labs/ar_sequence/ar_sequence_page.h"
#include "matematic/random.h"
#include "shell/radio_group.h"
#include "support/components.h"
#include "support/error_recorder.h"
#include "support/page_host.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cmath>

using strs::ChartSeries;
using Page = strs::testing::PageHost<strs::ArSequencePage>;
using namespace strs::testing;

namespace {

const QString kInvalid = QStringLiteral("Invalid floating point operation.");
const QString kDivision = QStringLiteral("Floating point division by zero.");
const QString kOverflow = QStringLiteral("Floating point overflow.");

qsizetype Count(const ChartSeries* series) { return qsizetype(series->points().size()); }
double Y(const ChartSeries* series, int i) { return series->points().at(std::size_t(i)).y; }

void SelectSecondOrder(Page& w) { Radio(w, "RG2")->button(1)->click(); }
void SelectFirstOrder(Page& w) { Radio(w, "RG2")->button(0)->click(); }

}  // namespace

class ArSequencePageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { strs::ResetRandomGenerator(); }

    void nothingIsShownBeforeTheFirstPress() {
        Page w;
        QVERIFY(Chart(w, "Chart21")->isHidden());
        QVERIFY(Chart(w, "Chart22")->isHidden());
        QVERIFY(Label(w, "L24")->text().isEmpty());
        QVERIFY(Label(w, "L26")->text().isEmpty());
    }

    void orderSwitchRearrangesTheFields() {
        Page w;
        const int l21Top = Label(w, "L21")->y();
        const int e21Height = Field(w, "E21")->height();
        SelectSecondOrder(w);
        QVERIFY(!Field(w, "Es")->isHidden());
        QCOMPARE(Field(w, "E21")->width(), 50);
        QCOMPARE(Field(w, "E21")->height(), e21Height);
        QCOMPARE(Label(w, "L21")->text(), QStringLiteral("КФ R1       КФ R2"));
        QCOMPARE(Label(w, "L21")->x(), 17);
        QCOMPARE(Label(w, "L21")->y(), l21Top);

        SelectFirstOrder(w);
        QVERIFY(Field(w, "Es")->isHidden());
        QCOMPARE(Field(w, "E21")->width(), 105);
        QCOMPARE(Label(w, "L21")->text(), QStringLiteral("Коэффициент корреляции"));
        QCOMPARE(Label(w, "L21")->x(), 8);
        QCOMPARE(Label(w, "L21")->y(), l21Top);
    }

    void orderSwitchLeavesChartsAndLabels() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn1")->click();
        const double first = Y(Series(w, "Series21"), 0);
        SelectSecondOrder(w);
        QVERIFY(!Chart(w, "Chart21")->isHidden());
        QCOMPARE(Count(Series(w, "Series21")), 200);
        QCOMPARE(Count(Series(w, "Series22")), 200);
        QCOMPARE(Count(Series(w, "Series23")), 200);
        QCOMPARE(Y(Series(w, "Series21"), 0), first);
        QCOMPARE(Label(w, "L24")->text(), QStringLiteral("1,093"));
        QCOMPARE(Label(w, "L26")->text(), QStringLiteral("1"));
        QVERIFY(errors.messages.isEmpty());
    }

    void eachPressReplacesThePoints() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn1")->click();
        const double first = Y(Series(w, "Series21"), 0);
        Button(w, "BitBtn1")->click();
        QCOMPARE(Count(Series(w, "Series21")), 200);
        QCOMPARE(Count(Series(w, "Series22")), 200);
        QCOMPARE(Count(Series(w, "Series23")), 200);
        QVERIFY(Y(Series(w, "Series21"), 0) != first);  // the generator went on
        SelectSecondOrder(w);
        Button(w, "BitBtn1")->click();
        Button(w, "BitBtn1")->click();
        QCOMPARE(Count(Series(w, "Series21")), 200);
        QCOMPARE(Count(Series(w, "Series22")), 200);
        QCOMPARE(Count(Series(w, "Series23")), 200);
        QVERIFY(errors.messages.isEmpty());
    }

    void unitCoefficientRepeatsTheFirstValue() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E21")->setText(QStringLiteral("1"));
        Button(w, "BitBtn1")->click();
        QVERIFY(errors.messages.isEmpty());
        for (int i = 1; i < 200; ++i)
            QCOMPARE(Y(Series(w, "Series21"), i), Y(Series(w, "Series21"), 0));
        const double n = 1000;
        for (int k = 0; k < 200; ++k) {
            QCOMPARE(Y(Series(w, "Series23"), k), 1.0);
            const double expected = (n - k) * (n - 1) / ((n - k - 1) * n);
            QVERIFY2(std::fabs(Y(Series(w, "Series22"), k) - expected) < 1e-13,
                     qPrintable(QString::number(k)));
        }
    }

    void exactZeroVarianceBecomesOneThousandth() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E22")->setText(QStringLiteral("0"));
        Button(w, "BitBtn1")->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Field(w, "E22")->text(), QStringLiteral("0,001"));
        QCOMPARE(Field(w, "E22")->lastAccepted(), QStringLiteral("0,001"));  // the field's rule ran
    }

    void otherZeroFailsAtLagZero() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn1")->click();
        Field(w, "E22")->setText(QStringLiteral("0,0"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kInvalid});
        QCOMPARE(Field(w, "E22")->text(), QStringLiteral("0,0"));
        QCOMPARE(Count(Series(w, "Series21")), 200);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(Y(Series(w, "Series21"), i), 0.0);
        QCOMPARE(Count(Series(w, "Series22")), 0);
        QCOMPARE(Count(Series(w, "Series23")), 0);
        QCOMPARE(Label(w, "L24")->text(), QStringLiteral("1,093"));  // kept from the run before
        QCOMPARE(Label(w, "L26")->text(), QStringLiteral("1"));
    }

    void secondOrderZeroVarianceFailsAfterTheValues() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectSecondOrder(w);
        Field(w, "E22")->setText(QStringLiteral("0,0"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kInvalid});
        QCOMPARE(Count(Series(w, "Series21")), 200);
        QCOMPARE(Count(Series(w, "Series22")), 0);
        QVERIFY(Label(w, "L24")->text().isEmpty());
    }

    void negativeVarianceFailsAtTheFirstValue() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn1")->click();
        Field(w, "E22")->setText(QStringLiteral("-1"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kInvalid});
        QVERIFY(!Chart(w, "Chart21")->isHidden());
        QVERIFY(!Chart(w, "Chart22")->isHidden());
        QCOMPARE(Count(Series(w, "Series21")), 0);
        QCOMPARE(Count(Series(w, "Series22")), 0);
        QCOMPARE(Count(Series(w, "Series23")), 0);
        QCOMPARE(Label(w, "L24")->text(), QStringLiteral("1,093"));
        QCOMPARE(Label(w, "L26")->text(), QStringLiteral("1"));
    }

    void coefficientAboveOneFails() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E21")->setText(QStringLiteral("1,5"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kInvalid});
        QCOMPARE(Count(Series(w, "Series21")), 0);
    }

    void unitLagOneCorrelationDividesByZero() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectSecondOrder(w);
        Field(w, "E21")->setText(QStringLiteral("1"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kDivision});
        QVERIFY(!Chart(w, "Chart21")->isHidden());
        QCOMPARE(Count(Series(w, "Series21")), 0);
        QCOMPARE(Count(Series(w, "Series22")), 0);
    }

    void nonStationaryPairFails() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectSecondOrder(w);
        Field(w, "Es")->setText(QStringLiteral("0,1"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kInvalid});
        QCOMPARE(Count(Series(w, "Series21")), 0);
    }

    // R2 = 1 makes a2 exactly 1 for these R1 (q = 0, so the sequence itself is fine);
    // K[1] = a1 / (1 - a2) then fails, after the values are drawn.
    void unitLagTwoCorrelationFailsAfterTheValues_data() {
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("message");
        QTest::newRow("a1 = 0, R1 = 0") << QStringLiteral("0") << kInvalid;
        QTest::newRow("a1 = 0, R1 = 0,5") << QStringLiteral("0,5") << kInvalid;
        QTest::newRow("a1 tiny, R1 = 0,001") << QStringLiteral("0,001") << kDivision;
    }
    void unitLagTwoCorrelationFailsAfterTheValues() {
        QFETCH(QString, r1);
        QFETCH(QString, message);
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectSecondOrder(w);
        Field(w, "E21")->setText(r1);
        Field(w, "Es")->setText(QStringLiteral("1"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{message});
        QCOMPARE(Count(Series(w, "Series21")), 200);
        QCOMPARE(Count(Series(w, "Series22")), 0);
        QCOMPARE(Count(Series(w, "Series23")), 0);
        QVERIFY(Label(w, "L24")->text().isEmpty());
    }

    void varianceBeyondRangeOverflowsBeforeTheFirstOrderValues() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E22")->setText(QStringLiteral("1E306"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kOverflow});
        QCOMPARE(Count(Series(w, "Series21")), 0);  // the sum of squares comes first in first order
    }

    void varianceBeyondRangeOverflowsAfterTheSecondOrderValues() {
        strs::testing::ErrorRecorder errors;
        Page w;
        SelectSecondOrder(w);
        Field(w, "E22")->setText(QStringLiteral("1E306"));
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{kOverflow});
        QCOMPARE(Count(Series(w, "Series21")), 200);
        QCOMPARE(Count(Series(w, "Series22")), 0);
    }

    void emptyFieldIsNotANumber() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Button(w, "BitBtn1")->click();
        Field(w, "E21")->setText(QString());
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{QStringLiteral("'' is not a valid floating point value.")});
        QVERIFY(!Chart(w, "Chart21")->isHidden());
        QCOMPARE(Count(Series(w, "Series21")), 0);
        QCOMPARE(Count(Series(w, "Series22")), 0);
        QCOMPARE(Count(Series(w, "Series23")), 0);
        QCOMPARE(Label(w, "L24")->text(), QStringLiteral("1,093"));
        QCOMPARE(Label(w, "L26")->text(), QStringLiteral("1"));
    }

    void emptyR2IsNotANumberInSecondOrderOnly() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "Es")->setText(QString());
        Button(w, "BitBtn1")->click();  // first order does not read R2
        QVERIFY(errors.messages.isEmpty());
        SelectSecondOrder(w);
        Button(w, "BitBtn1")->click();
        QCOMPARE(errors.messages, QStringList{QStringLiteral("'' is not a valid floating point value.")});
        QCOMPARE(Count(Series(w, "Series21")), 0);
    }
};

QTEST_MAIN(ArSequencePageTest)
#include "tst_ar_sequence.moc"
