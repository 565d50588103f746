// The read-out of a chart on the screen: the point under the mouse or picked with the
// keys, shown in the label number format, gone when the mouse leaves.

#include "shell/chart_widget.h"

#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using strs::ChartSeries;

namespace {

// A shown chart, painted once so that it knows where its plot lies.
std::unique_ptr<strs::ChartWidget> ShownChart() {
    auto chart = std::make_unique<strs::ChartWidget>();
    chart->resize(409, 209);
    chart->setTitleLines({QStringLiteral("Дисперсия")});
    chart->show();
    if (!QTest::qWaitForWindowExposed(chart.get()))
        qFatal("the chart was not shown");
    return chart;
}

void Paint(strs::ChartWidget& chart) { chart.repaint(); }

}  // namespace

class ChartReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void mouseShowsTheNearestPointOfEverySeries() {
        auto chart = ShownChart();
        ChartSeries* a = chart->addSeries(QStringLiteral("A"), ChartSeries::Kind::Line, strs::clRed);
        a->setLegendName(QStringLiteral("Наблюдения y"));
        ChartSeries* b = chart->addSeries(QStringLiteral("B"), ChartSeries::Kind::Line, strs::clBlue);
        for (double y : {0.5, 1.25, -2.0})
            a->appendValue(y, strs::clRed);
        b->appendValue(1e-7, strs::clBlue);  // shorter: no value beyond its one point
        Paint(*chart);
        QVERIFY(chart->readoutText().isEmpty());

        QTest::mouseMove(chart.get(), QPoint(204, 100));  // the middle of three points
        QCOMPARE(chart->readoutText(), QStringLiteral("i = 1\nНаблюдения y: 1,25"));
        QTest::mouseMove(chart.get(), QPoint(2, 100));  // left of the plot: the first point
        QCOMPARE(chart->readoutText(), QStringLiteral("i = 0\nНаблюдения y: 0,5\nДисперсия: 1E-7"));
        QTest::mouseMove(chart.get(), QPoint(405, 100));
        QCOMPARE(chart->readoutText(), QStringLiteral("i = 2\nНаблюдения y: -2"));

        // On the screen only: the saved picture is the same with and without it.
        const QImage picture = chart->renderImage();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(chart.get(), &leave);
        QVERIFY(chart->readoutText().isEmpty());
        QCOMPARE(chart->renderImage(), picture);
    }

    void barsAreNamedByTheirBins() {
        auto chart = ShownChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("H"), ChartSeries::Kind::Bar, strs::clHistogram);
        for (int i = 0; i < 15; ++i)
            s->appendBar(i, strs::clHistogram);
        chart->setBarBins(-1.5, 6.0);
        Paint(*chart);
        QTest::mouseMove(chart.get(), QPoint(404, 90));
        QCOMPARE(chart->readoutText(), QStringLiteral("5,5 … 6\nДисперсия: 14"));
    }

    // Menus and dialogs take the pointer without a leave event reaching the chart, which
    // (as after a right click) need not have the keyboard focus.
    void theReadoutGoesWhenSomethingElseTakesThePointer() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        auto* chart = new strs::ChartWidget(&window);
        chart->setGeometry(0, 30, 409, 209);
        chart->addSeries(QStringLiteral("A"), ChartSeries::Kind::Line, strs::clRed)->appendValue(1, strs::clRed);
        window.resize(409, 240);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        Paint(*chart);
        int x = 200;
        const auto hover = [chart, &x] {
            QTest::mouseMove(chart, QPoint(++x, 100));  // a move, not the same spot again
            return !chart->readoutText().isEmpty();
        };

        QVERIFY(hover());
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(200, 100), chart->mapToGlobal(QPoint(200, 100)));
        QApplication::sendEvent(chart, &menu);
        QVERIFY(chart->readoutText().isEmpty());

        QVERIFY(hover());
        QDialog box;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(chart->readoutText().isEmpty());
    }

    void keysMoveTheReadoutAndOpenTheMenu() {
        auto chart = ShownChart();
        ChartSeries* a = chart->addSeries(QStringLiteral("A"), ChartSeries::Kind::Line, strs::clRed);
        for (int i = 0; i < 30; ++i)
            a->appendValue(i * 0.5, strs::clRed);
        chart->setFocus();
        QTest::keyClick(chart.get(), Qt::Key_Right);
        QTest::keyClick(chart.get(), Qt::Key_Right);
        QCOMPARE(chart->readoutText(), QStringLiteral("i = 1\nДисперсия: 0,5"));
        QTest::keyClick(chart.get(), Qt::Key_Left);
        QTest::keyClick(chart.get(), Qt::Key_Left);  // stays at the first point
        QCOMPARE(chart->readoutText(), QStringLiteral("i = 0\nДисперсия: 0"));
        QTest::keyClick(chart.get(), Qt::Key_End);
        QTest::keyClick(chart.get(), Qt::Key_PageDown);
        QCOMPARE(chart->readoutText(), QStringLiteral("i = 29\nДисперсия: 14,5"));

        QSignalSpy menu(chart.get(), &strs::ChartWidget::menuKeyPressed);
        QTest::keyClick(chart.get(), Qt::Key_Menu);
        QTest::keyClick(chart.get(), Qt::Key_F10, Qt::ShiftModifier);
        QTest::keyClick(chart.get(), Qt::Key_F10);
        QCOMPARE(menu.count(), 2);
    }
};

QTEST_MAIN(ChartReadoutTest)
#include "tst_chart_readout.moc"
