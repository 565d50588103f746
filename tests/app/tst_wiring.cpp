// The shared parts reach the right component: every chart's «Сохранить» writes that
// chart's picture, and a press on every legend panel (or its picture) moves that panel
// within its own chart.

#include "app/chart_saving.h"
#include "app/main_window.h"
#include "shell/chart_widget.h"
#include "shell/legend_panel.h"
#include "support/error_recorder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using strs::ChartWidget;
using strs::LegendPanel;
using strs::TForm1;

namespace {

// Shows the page that holds widget.
void ShowPageOf(TForm1& w, const QWidget& widget) {
    auto* pages = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(&widget))
            pages->setCurrentIndex(i);
}

}  // namespace

class WiringTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void chartMenuSavesThatChart_data() {
        QTest::addColumn<QString>("chart");
        const TForm1 w;
        const QList<ChartWidget*> charts = w.findChildren<ChartWidget*>();
        QCOMPARE(charts.size(), 8);
        for (const ChartWidget* chart : charts)
            QTest::newRow(qPrintable(chart->objectName())) << chart->objectName();
    }
    void chartMenuSavesThatChart() {
        QFETCH(QString, chart);
        strs::testing::ErrorRecorder errors;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("picture.bmp"));
        TForm1 w;
        w.chartSaving().setFileChooser([&file] {
            return strs::ChartSaving::ChosenFile{file, strs::PictureType::Bmp};
        });
        auto* target = w.findChild<ChartWidget*>(chart);
        ShowPageOf(w, *target);

        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 20),
                                  target->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(target, &request);
        auto* menu = w.findChild<QMenu*>(QStringLiteral("contecst"));
        QVERIFY(menu->isVisible());
        menu->hide();
        w.findChild<QAction*>(QStringLiteral("N1"))->trigger();

        QVERIFY(errors.messages.isEmpty());
        const QImage written(file);
        QCOMPARE(written.convertToFormat(QImage::Format_RGB888),
                 target->renderImage().convertToFormat(QImage::Format_RGB888));
    }

    void legendPressMovesThatPanel_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("onPicture");
        const TForm1 w;
        const QList<LegendPanel*> panels = w.findChildren<LegendPanel*>();
        QCOMPARE(panels.size(), 2);
        for (const LegendPanel* panel : panels) {
            const QByteArray name = panel->objectName().toLatin1();
            QTest::newRow(name + " itself") << panel->objectName() << false;
            QTest::newRow(name + " picture") << panel->objectName() << true;
        }
    }
    void legendPressMovesThatPanel() {
        QFETCH(QString, panel);
        QFETCH(bool, onPicture);
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        auto* moved = w.findChild<LegendPanel*>(panel);
        ShowPageOf(w, *moved);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* chart = qobject_cast<ChartWidget*>(moved->parentWidget());
        QVERIFY(chart != nullptr);
        chart->show();

        QCursor::setPos(moved->mapToGlobal(QPoint(5, 5)));
        QWidget* pressed = onPicture ? static_cast<QWidget*>(moved->picture()) : moved;
        QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, pressed->mapFrom(moved, QPoint(5, 5)));
        const QPoint target = chart->mapToGlobal(QPoint(25, 15));
        QMouseEvent drag(QEvent::MouseMove, QPointF(moved->mapFromGlobal(target)), QPointF(target),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(moved, &drag);
        QTest::mouseRelease(moved, Qt::LeftButton);

        QCOMPARE(moved->pos(), QPoint(20, 10));
        QVERIFY(errors.messages.isEmpty());
    }
};

QTEST_MAIN(WiringTest)
#include "tst_wiring.moc"
