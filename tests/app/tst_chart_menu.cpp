// The charts' menu in the main window, and the way the keyboard reaches the charts.

#include "app/chart_saving.h"
#include "app/main_window.h"
#include "matematic/random.h"
#include "support/components.h"
#include "support/error_recorder.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using strs::TForm1;
using namespace strs::testing;

class ChartMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { strs::ResetRandomGenerator(); }

    // «Сохранить» stays first; the data command writes the chart the menu was opened for.
    void menuKeyOpensTheMenuOfTheFocusedChart() {
        ErrorRecorder errors;
        TForm1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Button(w, "BB1")->click();
        QMenu& menu = w.chartSaving().menu();
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("Сохранить"), QStringLiteral("Копировать"),
                                     QStringLiteral("Сохранить данные…")}));

        Chart(w, "Chart12")->setFocus();
        QTest::keyClick(Chart(w, "Chart12"), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu.isVisible());
        menu.hide();

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("histogram.csv"));
        w.chartSaving().setDataFileChooser([&path] { return path; });
        menu.actions().at(2)->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 16);  // the header and 15 bars
        QVERIFY(errors.messages.isEmpty());
    }

    // Tab goes through the page's controls first, then its shown charts, top one first.
    void tabReachesTheChartsAfterThePageControls_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("charts");
        QTest::newRow("1") << 0 << QStringLiteral("BB1") << QStringLiteral("Chart11 Chart12");
        QTest::newRow("2") << 1 << QStringLiteral("BitBtn1") << QStringLiteral("Chart21 Chart22");
        QTest::newRow("3") << 2 << QStringLiteral("BB3") << QStringLiteral("Chart32 Chart31");
        QTest::newRow("4") << 3 << QStringLiteral("BitBtn2") << QStringLiteral("Chart41 Chart42");
    }
    void tabReachesTheChartsAfterThePageControls() {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QString, charts);
        ErrorRecorder errors;
        TForm1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Named<QTabWidget>(w, "PageControl1")->setCurrentIndex(page);
        auto* refresh = w.findChild<QPushButton*>(button);
        refresh->click();
        refresh->setFocus();
        QStringList reached;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached.join(u' '), charts);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(!static_cast<strs::ChartWidget*>(QApplication::focusWidget())->readoutText().isEmpty());
    }
};

QTEST_MAIN(ChartMenuTest)
#include "tst_chart_menu.moc"
