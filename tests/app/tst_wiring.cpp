// The shared parts reach the right component: every chart's «Сохранить» writes that
// chart's picture, and a press on every legend panel (or its picture) moves that panel
// within its own chart.

#include "app/chart_saving.h"
#include "app/main_window.h"
#include "shell/chart_preview.h"
#include "shell/chart_widget.h"
#include "shell/legend_panel.h"
#include "support/error_recorder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <utility>

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

// Shows the chart's page and raises the chart's menu as a right click would; returns the
// chart.
ChartWidget* RequestMenuOf(TForm1& w, const QString& name) {
    auto* target = w.findChild<ChartWidget*>(name);
    ShowPageOf(w, *target);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 20), target->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(target, &request);
    return target;
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
        ChartWidget* target = RequestMenuOf(w, chart);
        auto* menu = w.findChild<QMenu*>(QStringLiteral("contecst"));
        QVERIFY(menu->isVisible());
        menu->hide();
        w.findChild<QAction*>(QStringLiteral("N1"))->trigger();

        QVERIFY(errors.messages.isEmpty());
        const QImage written(file);
        QCOMPARE(written.convertToFormat(QImage::Format_RGB888),
                 target->renderImage().convertToFormat(QImage::Format_RGB888));
    }

    // The dialog shows the picture of the chart whose menu was opened, in the chart's
    // proportions, and follows the chart when it changes.
    void previewShowsTheChartToBeSaved() {
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        ChartWidget* target = RequestMenuOf(w, QStringLiteral("Chart42"));
        w.findChild<QMenu*>(QStringLiteral("contecst"))->hide();

        auto* preview = w.chartSaving().saveDialog().findChild<strs::ChartPreview*>();
        QVERIFY(preview != nullptr);
        QCOMPARE(preview->chart(), target);
        preview->resize(230, 140);
        const QRect picture = preview->pictureRect();
        QCOMPARE(picture.width(), 228);
        QVERIFY(qAbs(picture.height() - 228 * 209 / 409) <= 1);

        const auto redPixels = [&] {
            const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int n = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    n += qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 80 ? 1 : 0;
            return n;
        };
        QCOMPARE(redPixels(), 0);  // nothing drawn yet
        w.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QVERIFY(redPixels() > 50);  // the observations, drawn in red
        QVERIFY(errors.messages.isEmpty());
    }

    // "No" to replacing a file brings the dialog back with the name kept; a cancel then
    // ends the command with the old file untouched.
    void answeringNoAsksForTheNameAgain() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("old.bmp"));
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        int questions = 0;
        TForm1 w;
        w.chartSaving().setOverwriteQuestion([&questions](QWidget*, const QString&) { return ++questions, false; });
        QVERIFY(w.findChild<QFileDialog*>() == nullptr);  // made on first use only
        QFileDialog* dialog = &w.chartSaving().saveDialog();
        QStringList offered;
        w.chartSaving().setFileChooser([&]() -> std::optional<strs::ChartSaving::ChosenFile> {
            offered.append(dialog->selectedFiles().value(0));
            if (offered.size() > 2)
                return std::nullopt;
            return strs::ChartSaving::ChosenFile{file, strs::PictureType::Bmp};
        });
        RequestMenuOf(w, QStringLiteral("Chart42"));
        w.findChild<QMenu*>(QStringLiteral("contecst"))->hide();
        w.findChild<QAction*>(QStringLiteral("N1"))->trigger();

        QCOMPARE(questions, 2);
        QCOMPARE(offered.size(), 3);
        QCOMPARE(offered.mid(1), QStringList({file, file}));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("old"));
        QVERIFY(errors.messages.isEmpty());
    }

    // The data command asks about the name it writes: "results" stands for results.csv,
    // which is there; "No" keeps it and brings the dialog back, "Yes" replaces it.
    void dataSaveAsksAboutTheCompletedName() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("results.csv"));
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        TForm1 w;
        QStringList asked;
        w.chartSaving().setOverwriteQuestion([&asked](QWidget*, const QString& name) {
            asked << name;
            return asked.size() == 2;
        });
        w.chartSaving().setDataFileChooser([&folder] { return folder.filePath(QStringLiteral("results")); });
        RequestMenuOf(w, QStringLiteral("Chart42"));
        w.findChild<QMenu*>(QStringLiteral("contecst"))->hide();
        w.findChild<QAction*>(QStringLiteral("SaveData"))->trigger();

        QCOMPARE(asked, QStringList(2, QDir::toNativeSeparators(file)));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QVERIFY(existing.readAll().startsWith("\xEF\xBB\xBFx"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("results.csv")});
        QVERIFY(errors.messages.isEmpty());
    }

    // A write that fails brings the dialog back, once its error is shown, with the name.
    void aFailedSaveOffersTheNameAgain() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("taken.bmp"));
        QVERIFY(QDir().mkdir(file));  // a folder under the name: the write fails
        TForm1 w;
        QFileDialog* dialog = &w.chartSaving().saveDialog();
        QStringList offered;
        w.chartSaving().setFileChooser([&]() -> std::optional<strs::ChartSaving::ChosenFile> {
            offered.append(dialog->selectedFiles().value(0));
            if (offered.size() > 1)
                return std::nullopt;
            return strs::ChartSaving::ChosenFile{file, strs::PictureType::Bmp};
        });
        RequestMenuOf(w, QStringLiteral("Chart11"));
        w.findChild<QMenu*>(QStringLiteral("contecst"))->hide();
        w.findChild<QAction*>(QStringLiteral("N1"))->trigger();
        QCOMPARE(errors.messages.size(), 1);
        QCOMPARE(offered.size(), 2);
        QCOMPARE(offered[1], file);
    }

    void legendPressMovesThatPanel_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<Qt::MouseButton>("button");
        const TForm1 w;
        const QList<LegendPanel*> panels = w.findChildren<LegendPanel*>();
        QCOMPARE(panels.size(), 2);
        for (const LegendPanel* panel : panels) {
            const QByteArray name = panel->objectName().toLatin1();
            QTest::newRow(name + " left") << panel->objectName() << Qt::LeftButton;
            QTest::newRow(name + " right") << panel->objectName() << Qt::RightButton;
            QTest::newRow(name + " middle") << panel->objectName() << Qt::MiddleButton;
        }
    }
    // Through the window, as the system delivers them: the press reaches the panel's
    // picture inside its chart, so a right press also asks for a context menu there.
    void legendPressMovesThatPanel() {
        QFETCH(QString, panel);
        QFETCH(Qt::MouseButton, button);
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        auto* moved = w.findChild<LegendPanel*>(panel);
        ShowPageOf(w, *moved);
        auto* chart = qobject_cast<ChartWidget*>(moved->parentWidget());
        QVERIFY(chart != nullptr);
        for (ChartWidget* c : chart->parentWidget()->findChildren<ChartWidget*>())
            c->show();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWindow* window = w.windowHandle();
        const auto at = [&w](const QWidget* widget, QPoint p) { return widget->mapTo(&w, p); };

        QCursor::setPos(moved->mapToGlobal(QPoint(5, 5)));
        QTest::mousePress(window, button, Qt::NoModifier, at(moved, QPoint(5, 5)));
        QCOMPARE(QWidget::mouseGrabber(), moved);
        QCOMPARE(w.childAt(at(moved, QPoint(5, 5))), moved->picture());
        QTest::mouseMove(window, at(chart, QPoint(25, 15)));
        QTest::mouseRelease(window, button, Qt::NoModifier, at(chart, QPoint(25, 15)));

        QCOMPARE(moved->pos(), QPoint(20, 10));
        QVERIFY(!w.findChild<QMenu*>(QStringLiteral("contecst"))->isVisible());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        // A left drag on the page's other chart leaves the panel where it is.
        auto* other = chart->parentWidget()->findChildren<ChartWidget*>().constFirst();
        if (other == chart)
            other = chart->parentWidget()->findChildren<ChartWidget*>().constLast();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at(other, QPoint(50, 50)));
        QTest::mouseMove(window, at(other, QPoint(150, 120)));
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at(other, QPoint(150, 120)));
        QCOMPARE(moved->pos(), QPoint(20, 10));

        // The next click on a tab switches the page.
        auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const int before = tabs->currentIndex();
        const int next = before == 0 ? 1 : 0;
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          at(tabs->tabBar(), tabs->tabBar()->tabRect(next).center()));
        QCOMPARE(tabs->currentIndex(), next);
        QVERIFY(errors.messages.isEmpty());
    }
};

QTEST_MAIN(WiringTest)
#include "tst_wiring.moc"
