// The charts' menu in the main window, opened from the keyboard on a focused chart, and
// its commands acting on the chart it was opened on last.

#include "app/chart_saving.h"
#include "app/main_window.h"
#include "matematic/random.h"
#include "shell/picture_file.h"
#include "support/components.h"
#include "support/error_recorder.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using strs::TForm1;
using namespace strs::testing;

namespace {

// The window on screen, with page 1's two charts filled by one press.
void ShowWithPageOneCharts(TForm1& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Button(w, "BB1")->click();
}

}  // namespace

class ChartMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { strs::ResetRandomGenerator(); }

    // «Сохранить» stays first; the data command writes the chart the menu was opened for.
    void menuKeyOpensTheMenuOfTheFocusedChart() {
        ErrorRecorder errors;
        TForm1 w;
        ShowWithPageOneCharts(w);
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

    // Opened on the value chart and then, with the mouse, on the histogram: the picture and
    // the data both come from the histogram.
    void commandsActOnTheChartTheMenuWasOpenedOnLast() {
        ErrorRecorder errors;
        TForm1 w;
        ShowWithPageOneCharts(w);
        QMenu& menu = w.chartSaving().menu();
        Chart(w, "Chart11")->setFocus();
        QTest::keyClick(Chart(w, "Chart11"), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu.isVisible());
        menu.hide();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100), Chart(w, "Chart12")->mapToGlobal(QPoint(100, 100)));
        QCoreApplication::sendEvent(Chart(w, "Chart12"), &click);
        QTRY_VERIFY(menu.isVisible());
        menu.hide();

        QTemporaryDir folder;
        const QString picture = folder.filePath(QStringLiteral("chart.png"));
        const QString data = folder.filePath(QStringLiteral("chart.csv"));
        w.chartSaving().setFileChooser(
            [&picture] { return strs::ChartSaving::ChosenFile{picture, strs::PictureType::Png}; });
        w.chartSaving().setDataFileChooser([&data] { return data; });
        menu.actions().at(0)->trigger();
        menu.actions().at(2)->trigger();

        const QString histogram = folder.filePath(QStringLiteral("histogram.png"));
        QVERIFY(strs::SaveChartPicture(&w, *Chart(w, "Chart12"), histogram, strs::PictureType::Png));
        QCOMPARE(QImage(picture), QImage(histogram));
        QFile file(data);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 16);  // the header and 15 bars, not 1000 values
        QVERIFY(errors.messages.isEmpty());
    }
};

QTEST_MAIN(ChartMenuTest)
#include "tst_chart_menu.moc"
