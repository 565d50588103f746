// The autoregressive sequence page: what its presses leave that the answer keys do not
// show (the layout of the two orders, the field rule after a replaced zero). Every
// press's numbers, errors and charts are pinned by tests/answer_keys/lab2_*.

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

using Page = strs::testing::PageHost<strs::ArSequencePage>;
using namespace strs::testing;

namespace {

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

    void exactZeroVarianceBecomesOneThousandth() {
        strs::testing::ErrorRecorder errors;
        Page w;
        Field(w, "E22")->setText(QStringLiteral("0"));
        Button(w, "BitBtn1")->click();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Field(w, "E22")->text(), QStringLiteral("0,001"));
        QCOMPARE(Field(w, "E22")->lastAccepted(), QStringLiteral("0,001"));  // the field's rule ran
    }
};

QTEST_MAIN(ArSequencePageTest)
#include "tst_ar_sequence.moc"
