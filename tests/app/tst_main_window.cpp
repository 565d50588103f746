// The main window as it stands right after creation. The texts, charts and labels that a
// dump shows are pinned by the answer keys' first dumps (tests/answer_keys/).

#include "app/main_window.h"
#include "shell/legend_panel.h"
#include "shell/radio_group.h"
#include "support/components.h"
#include "support/error_recorder.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using strs::TForm1;
using namespace strs::testing;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void windowIsFixedSizeWithCaption() {
        TForm1 w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Статистическая теория радиотехнических систем"));
        QCOMPARE(w.size(), QSize(693, 479));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.palette().color(QPalette::Window), QColor(237, 232, 230));
        QVERIFY(!w.isVisible());  // created hidden
    }

    void fourTabsWithTheFirstActive() {
        TForm1 w;
        QCOMPARE(Named<QTabWidget>(w, "PageControl1")->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Named<QTabWidget>(w, "PageControl1")->tabText(i), QStringLiteral("Лаб. №%1").arg(i + 1));
        QCOMPARE(Named<QTabWidget>(w, "PageControl1")->currentWidget(), Named<QWidget>(w, "TS1"));
    }

    // What the answer keys' first dumps do not show: the rule has accepted no field text
    // yet, and every chart has the picture size, the histogram's series drawing bars.
    void fieldsAndChartsStartUntouched() {
        TForm1 w;
        const QList<strs::NumericField*> fields = w.findChildren<strs::NumericField*>();
        QCOMPARE(fields.size(), 12);
        for (const strs::NumericField* field : fields) {
            QVERIFY2(field->lastAccepted().isEmpty(), qPrintable(field->objectName()));
            QCOMPARE(field->height(), 21);
        }
        const QList<strs::ChartWidget*> charts = w.findChildren<strs::ChartWidget*>();
        QCOMPARE(charts.size(), 8);
        for (const strs::ChartWidget* chart : charts)
            QCOMPARE(chart->size(), QSize(409, 209));
        QCOMPARE(Series(w, "Series12")->kind(), strs::ChartSeries::Kind::Bar);
    }

    void firstPageStartsWithTheNormalLaw() {
        TForm1 w;
        QCOMPARE(List(w, "CB1")->count(), 5);
        QCOMPARE(List(w, "CB1")->currentIndex(), 0);
        QCOMPARE(List(w, "CB1")->currentText(), QStringLiteral("Нормальное распределение"));
        QCOMPARE(Label(w, "L11")->text(), QStringLiteral("a"));
        QCOMPARE(Label(w, "L12")->text(), QStringLiteral("b"));
        QVERIFY(!Field(w, "E12")->isHidden());
        QCOMPARE(Label(w, "I0")->pixmap().size(), QSize(95, 95));
        // The white ground is transparent, the black formula is not.
        const QImage picture = Label(w, "I0")->pixmap().toImage();
        QCOMPARE(qAlpha(picture.pixel(0, 94)), 0);
        bool opaqueInk = false;
        for (int y = 0; y < 95 && !opaqueInk; ++y)
            for (int x = 0; x < 95 && !opaqueInk; ++x)
                opaqueInk = qAlpha(picture.pixel(x, y)) == 255 && qGray(picture.pixel(x, y)) < 64;
        QVERIFY(opaqueInk);
    }

    void orderGroupsStartAtTheFirstItem() {
        TForm1 w;
        for (strs::RadioGroup* group : {Radio(w, "RG2"), Radio(w, "RG4")}) {
            QCOMPARE(group->title(), QStringLiteral("Порядок последовательности"));
            QCOMPARE(group->count(), 2);
            QCOMPARE(group->itemIndex(), 0);
            QCOMPARE(group->button(1)->text(), QStringLiteral("СП второго порядка "));
        }
    }

    void geometryOfKeyComponents() {
        TForm1 w;
        QCOMPARE(Button(w, "BB1")->geometry(), QRect(16, 413, 73, 25));
        QCOMPARE(Button(w, "BB1")->text(), QStringLiteral("Обновить"));
        QCOMPARE(Named<QGroupBox>(w, "Graf1")->geometry(), QRect(248, 10, 425, 433));
        QCOMPARE(Chart(w, "Chart12")->geometry(), QRect(8, 216, 409, 209));
        QCOMPARE(Field(w, "Es")->geometry(), QRect(72, 43, 50, 21));
        QCOMPARE(Named<strs::LegendPanel>(w, "Panel1")->pos(), QPoint(265, 35));
        // Each legend panel lies in its page's result chart, the lower one.
        QCOMPARE(Named<strs::LegendPanel>(w, "Panel1")->parentWidget(), Chart(w, "Chart42"));
        QCOMPARE(Named<strs::LegendPanel>(w, "Panel2")->parentWidget(), Chart(w, "Chart31"));
        QCOMPARE(Label(w, "ch3")->pos(), QPoint(216, 192));
        QVERIFY(Label(w, "L1")->wordWrap());
        QVERIFY(Label(w, "L1")->font().bold());
    }

    void focusedRefreshButtonAnswersEnterReturnAndSpace() {
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        for (const char* name : {"BB1", "BitBtn1", "BB3", "BitBtn2"}) {
            QPushButton* button = Button(w, name);
            QSignalSpy clicks(button, &QPushButton::clicked);
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
                QTest::keyClick(button, key);
            QCOMPARE(clicks.count(), 3);
        }
    }

    void switchingPagesComputesNothing() {
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        for (int i : {1, 2, 3, 0})
            Named<QTabWidget>(w, "PageControl1")->setCurrentIndex(i);
        for (strs::ChartWidget* chart : w.findChildren<strs::ChartWidget*>())
            QVERIFY(chart->isHidden());
        QVERIFY(errors.messages.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
