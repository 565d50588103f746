// The chart widget: its series, its drawing and the legend panels that sit on it.

#include "shell/chart_widget.h"
#include "shell/colours.h"
#include "shell/legend_panel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QList>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using strs::ChartSeries;
using strs::ChartWidget;
using strs::TColor;

namespace {

constexpr QSize kChartSize(409, 209);

struct PixelSpan {
    int count = 0;
    int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
};

// Where the pixels of exactly one colour lie in a picture.
PixelSpan FindColour(const QImage& image, const QColor& colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = colour.rgb();
    PixelSpan span;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            if (rgb.pixel(x, y) != wanted)
                continue;
            ++span.count;
            span.minX = std::min(span.minX, x);
            span.maxX = std::max(span.maxX, x);
            span.minY = std::min(span.minY, y);
            span.maxY = std::max(span.maxY, y);
        }
    }
    return span;
}

bool IsDark(QRgb pixel) { return qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128; }

// The lowest row within `rows` that holds a dark pixel between the columns, or -1.
int LowestDarkRow(const QImage& image, int fromX, int toX, int rows) {
    int lowest = -1;
    for (int y = 0; y < rows; ++y)
        for (int x = fromX; x <= toX; ++x)
            if (IsDark(image.pixel(x, y)))
                lowest = y;
    return lowest;
}

bool AreaIsWhite(const QImage& image, int fromX, int fromY, int toY) {
    for (int y = fromY; y <= toY; ++y)
        for (int x = fromX; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

std::unique_ptr<ChartWidget> MakeChart() {
    auto chart = std::make_unique<ChartWidget>();
    chart->resize(kChartSize);
    return chart;
}

}  // namespace

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // ---- series

    void appendNumbersPointsFromZeroAfterClear() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("Series11"), ChartSeries::Kind::Line, strs::clRed);
        s->appendValue(5.0, strs::clRed);
        s->appendValue(6.0, strs::clRed);
        s->clear();
        QVERIFY(s->points().empty());
        s->appendValue(1.5, strs::clGreen);
        s->appendValue(-2.0, strs::clBlue);
        s->appendValue(0.0, strs::clRed);
        QCOMPARE(s->points().size(), std::size_t(3));
        const double xs[] = {0, 1, 2};
        const double ys[] = {1.5, -2.0, 0.0};
        const TColor colours[] = {strs::clGreen, strs::clBlue, strs::clRed};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(s->points()[i].x, xs[i]);
            QCOMPARE(s->points()[i].y, ys[i]);
            QCOMPARE(s->points()[i].colour, colours[i]);
        }
        // The series keeps its own colour whatever its points carry.
        QCOMPARE(s->colour(), strs::clRed);
    }

    void barsAreNumberedLikePoints() {
        auto chart = MakeChart();
        ChartSeries* s =
            chart->addSeries(QStringLiteral("Series12"), ChartSeries::Kind::Bar, strs::clHistogram);
        for (int i = 0; i < 15; ++i)
            s->appendBar(i * 2.0, strs::clHistogram);
        QCOMPARE(s->points().size(), std::size_t(15));
        QCOMPARE(s->points()[14].x, 14.0);
        QCOMPARE(s->points()[14].y, 28.0);
        QCOMPARE(s->kind(), ChartSeries::Kind::Bar);
    }

    void titleLinesAreKept() {
        auto chart = MakeChart();
        const QStringList title{QStringLiteral("Экспериментальная и теоретическая "),
                                QStringLiteral("корреляционные функции")};
        chart->setTitleLines(title);
        QCOMPARE(chart->titleLines(), title);
    }

    // ---- drawing

    void pictureHasTheChartSize() {
        auto chart = MakeChart();
        const QImage picture = chart->renderImage();
        QCOMPARE(picture.size(), kChartSize);
        // A white panel: the corners are white.
        QCOMPARE(picture.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(picture.pixel(408, 208), qRgb(255, 255, 255));
    }

    void childWidgetsAreNotInThePicture() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("s"), ChartSeries::Kind::Line, strs::clBlue);
        for (int i = 0; i < 10; ++i)
            s->appendValue(i % 3, strs::clBlue);
        auto* label = new QLabel(QStringLiteral("0"), chart.get());
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor(255, 0, 0));
        label->setPalette(palette);
        label->setGeometry(40, 150, 49, 20);
        label->show();

        // The widget as the screen shows it has the label ...
        QVERIFY(FindColour(chart->grab().toImage(), QColor(255, 0, 0)).count > 0);
        // ... the saved picture does not.
        QCOMPARE(FindColour(chart->renderImage(), QColor(255, 0, 0)).count, 0);
        QVERIFY(FindColour(chart->renderImage(), QColor(0, 0, 255)).count > 0);
    }

    void segmentTakesTheColourOfThePointItLeadsTo() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("s"), ChartSeries::Kind::Line, strs::clRed);
        s->appendValue(0.0, strs::clRed);  // the first point leads nowhere: no red
        s->appendValue(10.0, strs::clGreen);
        s->appendValue(0.0, strs::clBlue);
        const QImage picture = chart->renderImage();

        const PixelSpan red = FindColour(picture, strs::ToQColor(strs::clRed));
        const PixelSpan green = FindColour(picture, strs::ToQColor(strs::clGreen));
        const PixelSpan blue = FindColour(picture, strs::ToQColor(strs::clBlue));
        QCOMPARE(red.count, 0);
        QVERIFY(green.count > 50);
        QVERIFY(blue.count > 50);
        // Green rises from x = 0 to x = 1, blue falls from x = 1 to x = 2.
        QVERIFY(green.maxX <= blue.minX + 1);
        QVERIFY(green.maxX - green.minX > 100);
        QVERIFY(blue.maxX - blue.minX > 100);
        QVERIFY(green.maxY - green.minY > 100);
    }

    void thousandPointsSpanThePlot() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("s"), ChartSeries::Kind::Line, strs::clRed);
        for (int i = 0; i < 1000; ++i)
            s->appendValue(std::sin(i * 0.05), strs::clRed);
        const PixelSpan red = FindColour(chart->renderImage(), strs::ToQColor(strs::clRed));
        // The bottom axis covers 0 .. 999 exactly: the line runs across almost the whole chart.
        QVERIFY2(red.maxX - red.minX > 300, qPrintable(QString::number(red.maxX - red.minX)));
        QVERIFY(red.maxY - red.minY > 100);
    }

    void barsAreFilledWithTheirColoursAndTouch() {
        auto chart = MakeChart();
        ChartSeries* s =
            chart->addSeries(QStringLiteral("Series12"), ChartSeries::Kind::Bar, strs::clHistogram);
        s->appendBar(3.0, strs::clHistogram);
        s->appendBar(5.0, strs::clRed);
        s->appendBar(4.0, strs::clHistogram);
        const QImage picture = chart->renderImage().convertToFormat(QImage::Format_RGB32);

        const PixelSpan dark = FindColour(picture, QColor(0, 0, 160));
        const PixelSpan red = FindColour(picture, QColor(255, 0, 0));
        QVERIFY(dark.count > 1000);
        QVERIFY(red.count > 1000);
        // The red bar stands between the two others and is the tallest.
        QVERIFY(dark.minX < red.minX && red.maxX < dark.maxX);
        QVERIFY(red.minY < dark.minY);
        // Bars from zero: all three end on the same baseline.
        QVERIFY(std::abs(red.maxY - dark.maxY) <= 1);

        // 100 % wide: along a row through all three bars no white shows between them.
        const int row = dark.maxY - 2;
        for (int x = dark.minX; x <= dark.maxX; ++x)
            QVERIFY2(picture.pixel(x, row) != qRgb(255, 255, 255), qPrintable(QString::number(x)));
    }

    void negativeBarHangsBelowZero() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("b"), ChartSeries::Kind::Bar, strs::clHistogram);
        s->appendBar(-2.0, strs::clHistogram);
        s->appendBar(3.0, strs::clRed);
        const QImage picture = chart->renderImage();
        const PixelSpan below = FindColour(picture, QColor(0, 0, 160));
        const PixelSpan above = FindColour(picture, QColor(255, 0, 0));
        QVERIFY(below.count > 0 && above.count > 0);
        QVERIFY(below.minY >= above.maxY - 1);
    }

    void titleIsCentredAndTwoLinesAreTaller() {
        auto chart = MakeChart();
        chart->setTitleLines({QStringLiteral("Гистограмма")});
        const QImage one = chart->renderImage();
        chart->setTitleLines(
            {QStringLiteral("Экспериментальная и теоретическая "), QStringLiteral("корреляционные функции")});
        const QImage two = chart->renderImage();

        const int oneBottom = LowestDarkRow(one, 120, 290, 30);
        const int twoBottom = LowestDarkRow(two, 120, 290, 40);
        QVERIFY(oneBottom > 0);
        QVERIFY2(twoBottom >= oneBottom + 9,
                 qPrintable(QStringLiteral("%1 %2").arg(oneBottom).arg(twoBottom)));

        // The single line sits in the middle of the chart.
        int left = -1;
        int right = -1;
        for (int x = 0; x < one.width(); ++x)
            for (int y = 0; y <= oneBottom; ++y)
                if (IsDark(one.pixel(x, y)) && x > 60) {
                    left = left < 0 ? x : left;
                    right = x;
                }
        QVERIFY(left > 0);
        QVERIFY2(std::abs((left + right) / 2 - 204) <= 4,
                 qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
    }

    void hiddenBottomLabelsLeaveTheMarginBlank() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("b"), ChartSeries::Kind::Bar, strs::clHistogram);
        for (int i = 0; i < 15; ++i)
            s->appendBar(10 + (i % 5), strs::clHistogram);

        // With labels, the bottom rows carry the tick labels.
        const QImage labelled = chart->renderImage();
        QVERIFY(!AreaIsWhite(labelled, 40, 192, 208));

        // The histogram chart: no labels and a 7 % margin keep the row where the value
        // labels ch1 .. ch5 sit (top 192, from left 40 on) free of the chart's own drawing.
        chart->setBottomLabelsVisible(false);
        chart->setBottomMarginPercent(7);
        const QImage histogram = chart->renderImage();
        QVERIFY(AreaIsWhite(histogram, 40, 192, 208));
        const PixelSpan bars = FindColour(histogram, QColor(0, 0, 160));
        QVERIFY(bars.count > 1000);
        QVERIFY(bars.maxY < 192);
    }

    void coveredRowsStayBlankWithTheLabelsAbove() {
        auto chart = MakeChart();
        ChartSeries* s = chart->addSeries(QStringLiteral("l"), ChartSeries::Kind::Line, strs::clRed);
        for (int i = 0; i < 50; ++i)
            s->appendValue(i % 7, strs::clRed);
        // The upper chart of a page: the lower one covers its last 9 rows.
        chart->setCoveredBottomRows(9);
        const QImage picture = chart->renderImage();
        QVERIFY(AreaIsWhite(picture, 0, 200, 208));
        QVERIFY(!AreaIsWhite(picture, 40, 185, 199));  // the bottom labels, just above
        QVERIFY(FindColour(picture, QColor(255, 0, 0)).maxY < 185);
    }

    void degenerateDataDrawsSensibly_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<bool>("bars");
        QTest::addColumn<bool>("expectSeries");  // some pixels of the series colour

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const double max = std::numeric_limits<double>::max();
        const double tiniest = std::numeric_limits<double>::denorm_min();
        QTest::newRow("empty line") << QList<double>{} << false << false;
        QTest::newRow("empty bars") << QList<double>{} << true << false;
        QTest::newRow("one point") << QList<double>{3.0} << false << false;
        QTest::newRow("one bar") << QList<double>{3.0} << true << true;
        QTest::newRow("equal values") << QList<double>{2.5, 2.5, 2.5} << false << true;
        QTest::newRow("all zero") << QList<double>{0, 0, 0, 0} << false << true;
        QTest::newRow("zero bars") << QList<double>{0, 0, 0} << true << false;
        QTest::newRow("huge") << QList<double>{1e300, 3e300, 2e300} << false << true;
        QTest::newRow("huge equal") << QList<double>{1e300, 1e300} << false << true;
        QTest::newRow("largest, both signs") << QList<double>{max, -max, max} << false << true;
        QTest::newRow("largest equal") << QList<double>{max, max} << false << true;
        QTest::newRow("tiny") << QList<double>{1e-300, 3e-300, 2e-300} << false << true;
        QTest::newRow("tiny equal") << QList<double>{1e-300, 1e-300} << false << true;
        QTest::newRow("denormal equal") << QList<double>{tiniest, tiniest} << false << true;
        QTest::newRow("negative") << QList<double>{-5, -7, -6} << false << true;
        QTest::newRow("mixed signs") << QList<double>{-1e-3, 2e5, -4e4} << false << true;
        QTest::newRow("huge bars") << QList<double>{1e300, 2e300} << true << true;
        QTest::newRow("mixed bars") << QList<double>{-3, 5, -1} << true << true;
        QTest::newRow("near-equal") << QList<double>{1e15, 1e15 + 0.25, 1e15} << false << true;
        QTest::newRow("not numbers among them") << QList<double>{1, nan, 2, inf, 3, 4} << false << true;
    }
    void degenerateDataDrawsSensibly() {
        QFETCH(QList<double>, values);
        QFETCH(bool, bars);
        QFETCH(bool, expectSeries);
        auto chart = MakeChart();
        chart->setTitleLines({QStringLiteral("Случайная величина")});
        ChartSeries* s = chart->addSeries(
            QStringLiteral("s"), bars ? ChartSeries::Kind::Bar : ChartSeries::Kind::Line, strs::clRed);
        for (double v : values) {
            if (bars)
                s->appendBar(v, strs::clRed);
            else
                s->appendValue(v, strs::clRed);
        }
        const QImage picture = chart->renderImage();
        QCOMPARE(picture.size(), kChartSize);
        const PixelSpan red = FindColour(picture, QColor(255, 0, 0));
        QCOMPARE(red.count > 0, expectSeries);
        // Some tick labels are always drawn on the left.
        QVERIFY(LowestDarkRow(picture, 0, 40, 200) > 0);
    }

    // ---- interaction

    void contextMenuRequestIsSignalledAndAccepted() {
        auto chart = MakeChart();
        QSignalSpy spy(chart.get(), &ChartWidget::contextMenuRequested);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), chart->mapToGlobal(QPoint(10, 10)));
        event.ignore();
        QApplication::sendEvent(chart.get(), &event);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<ChartWidget*>(), chart.get());
        QVERIFY(event.isAccepted());
    }

    // ---- legend panels

    void legendPanelSizesItselfToItsPicture() {
        auto chart = MakeChart();
        strs::LegendPanel panel(chart.get(), QStringLiteral("Image3"));
        QCOMPARE(panel.picture()->objectName(), QStringLiteral("Image3"));
        QCOMPARE(panel.size(), QSize(124, 43));
        QCOMPARE(panel.picture()->size(), QSize(124, 43));
        QCOMPARE(panel.frameShape(), QFrame::NoFrame);
        QCOMPARE(panel.parentWidget(), chart.get());

        // The legend picture itself, not the blank stand-in: it shows the three line colours.
        const QImage picture = panel.picture()->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        int reddish = 0, greenish = 0, bluish = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                reddish += qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
                greenish += qGreen(p) > 90 && qRed(p) < 80 && qBlue(p) < 80;
                bluish += qBlue(p) > 180 && qRed(p) < 90 && qGreen(p) < 90;
            }
        }
        QVERIFY2(reddish > 5 && greenish > 5 && bluish > 5,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(reddish).arg(greenish).arg(bluish)));
    }

    void anyButtonOnPanelOrPictureAsksForAMove_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonOnPanelOrPictureAsksForAMove() {
        QFETCH(Qt::MouseButton, button);
        auto chart = MakeChart();
        strs::LegendPanel panel(chart.get(), QStringLiteral("Image1"));
        QSignalSpy onPanel(&panel, &strs::LegendPanel::panelPressed);
        QSignalSpy onPicture(&panel, &strs::LegendPanel::picturePressed);

        QTest::mousePress(panel.picture(), button, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(onPicture.count(), 1);
        QCOMPARE(onPanel.count(), 0);  // the picture's press is not the panel's too
        QTest::mouseRelease(panel.picture(), button, Qt::NoModifier, QPoint(5, 5));

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), panel.mapToGlobal(QPointF(3, 3)), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(&panel, &press);
        QCOMPARE(onPanel.count(), 1);
        QCOMPARE(onPicture.count(), 1);
    }

    void panelFollowsTheMouseWithinItsChartUntilRelease() {
        auto chart = MakeChart();
        chart->move(100, 100);
        chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
        auto* panel = new strs::LegendPanel(chart.get(), QStringLiteral("Image1"));
        panel->move(265, 35);
        panel->show();
        connect(panel, &strs::LegendPanel::picturePressed, panel, &strs::LegendPanel::startMove);

        // Grab the picture 10 pixels right and 5 down from the panel's corner.
        const QPoint grab = panel->mapToGlobal(QPoint(10, 5));
        QCursor::setPos(grab);
        QTest::mousePress(panel->picture(), Qt::RightButton, Qt::NoModifier, QPoint(10, 5));

        const auto moveTo = [&](QPoint global) {
            QMouseEvent move(QEvent::MouseMove, QPointF(panel->mapFromGlobal(global)), QPointF(global),
                             Qt::NoButton, Qt::RightButton, Qt::NoModifier);
            QApplication::sendEvent(panel, &move);
        };
        moveTo(chart->mapToGlobal(QPoint(110, 65)));
        QCOMPARE(panel->pos(), QPoint(100, 60));

        // Beyond the chart's edges the panel stops at them.
        moveTo(chart->mapToGlobal(QPoint(1000, 1000)));
        QCOMPARE(panel->pos(), QPoint(409 - 124, 209 - 43));
        moveTo(chart->mapToGlobal(QPoint(-50, -50)));
        QCOMPARE(panel->pos(), QPoint(0, 0));

        // The release ends the move; the panel stays where it is.
        moveTo(chart->mapToGlobal(QPoint(60, 45)));
        QCOMPARE(panel->pos(), QPoint(50, 40));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 5),
                            QPointF(panel->mapToGlobal(QPoint(10, 5))), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(panel, &release);
        moveTo(chart->mapToGlobal(QPoint(200, 100)));
        QCOMPARE(panel->pos(), QPoint(50, 40));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }
};

QTEST_MAIN(ChartTest)
#include "tst_chart.moc"
