// The charts' menu in the main window, opened from the keyboard on a focused chart.

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
        QCOMPARE(texts,
                 (QStringList{QStringLiteral("Сохранить"), QStringLiteral("Копировать"),
                              QStringLiteral("Сохранить данные…"), QStringLiteral("Таблица значений")}));

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
};

QTEST_MAIN(ChartMenuTest)
#include "tst_chart_menu.moc"
