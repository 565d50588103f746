// Page 4: the layout of the two orders and, for every field, that an empty one fails
// before any draw. Every press's numbers, errors and charts are pinned by
// tests/answer_keys/lab4_*.

#include "labs/wiener/wiener_page.h"
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
};

QTEST_MAIN(WienerPageTest)
#include "tst_wiener.moc"
