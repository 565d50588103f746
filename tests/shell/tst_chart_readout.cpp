// The read-out of a chart on the screen: the point under the mouse or picked with the
// keys, shown in the label number format, gone when the mouse leaves.

#include "shell/chart_widget.h"

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
