// A chart leaving the program: its series as CSV, its picture on the clipboard, as PNG
// and as an SVG drawing.

#include "core/csv.h"
#include "shell/chart_export.h"
#include "shell/chart_widget.h"
#include "shell/picture_file.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#ifdef STRS_HAVE_SVG_RENDERER
#include <QSvgRenderer>
#endif
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

using strs::ChartSeries;

namespace {

// Two series of different lengths with values that a short format would not keep.
std::unique_ptr<strs::ChartWidget> MakeChart() {
    auto chart = std::make_unique<strs::ChartWidget>();
    chart->resize(409, 209);
    chart->setTitleLines({QStringLiteral("Результат")});
    ChartSeries* a = chart->addSeries(QStringLiteral("A"), ChartSeries::Kind::Line, strs::clRed);
    a->setLegendName(QStringLiteral("Наблюдения; y"));
    ChartSeries* b = chart->addSeries(QStringLiteral("B"), ChartSeries::Kind::Line, strs::clBlue);
    for (int i = 0; i < 50; ++i)
        a->appendValue(std::sin(i * 0.37) / 3.0, strs::clRed);
    for (int i = 0; i < 30; ++i)
        b->appendValue(i % 7 == 0 ? 1e-310 * i : std::exp(i * 0.9) * 1.000000000000001, strs::clBlue);
    return chart;
}

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

double ReadNumber(std::string text, char mark) {
    for (char& c : text)
        if (c == mark)
            c = '.';
    double value = std::numeric_limits<double>::quiet_NaN();
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ptr != text.data() + text.size())
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

#ifdef STRS_HAVE_SVG_RENDERER
// Whether a pixel shows a pure colour (each channel 0 or 255) more than the white around it.
bool Tinted(QRgb pixel, QRgb colour) {
    const int on[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int want[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
    int least = 255;
    int most = 0;
    for (int c = 0; c < 3; ++c)
        (want[c] == 255 ? least : most) = want[c] == 255 ? std::min(least, on[c]) : std::max(most, on[c]);
    return least > 200 && least - most > 60;
}

// The share of a's pixels of the colour that have one of b's within a pixel.
double ShareNear(const QImage& a, const QImage& b, QRgb colour) {
    int count = 0;
    int near = 0;
    for (int y = 1; y + 1 < a.height(); ++y) {
        for (int x = 1; x + 1 < a.width(); ++x) {
            if (!Tinted(a.pixel(x, y), colour))
                continue;
            ++count;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = Tinted(b.pixel(x + dx, y + dy), colour);
            near += found;
        }
    }
    return count == 0 ? 0.0 : double(near) / count;
}
#endif

}  // namespace

class ChartExportTest : public QObject {
    Q_OBJECT
private slots:
    void csvReadsBackToTheSeriesExactly_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<char>("separator");
        QTest::addColumn<char>("mark");
        QTest::newRow("comma decimal") << QStringLiteral("ru_RU") << ';' << ',';
        QTest::newRow("point decimal") << QStringLiteral("en_US") << ',' << '.';
    }
    void csvReadsBackToTheSeriesExactly() {
        QFETCH(QString, locale);
        QFETCH(char, separator);
        QFETCH(char, mark);
        QLocale::setDefault(QLocale(locale));
        auto chart = MakeChart();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("data.csv"));
        strs::WriteChartData(*chart, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');

        std::vector<std::string> cells;
        QVERIFY(strs::ParseCsvLine(lines[0].chopped(1).toStdString(), separator, cells));
        QCOMPARE(cells, (std::vector<std::string>{"x", "Наблюдения; y", "Результат"}));
        const auto& series = chart->allSeries();
        for (std::size_t i = 0; i < 50; ++i) {
            QVERIFY(strs::ParseCsvLine(lines[qsizetype(i + 1)].chopped(1).toStdString(), separator, cells));
            QCOMPARE(cells.size(), std::size_t(3));
            QCOMPARE(ReadNumber(cells[0], mark), double(i));
            for (std::size_t s = 0; s < 2; ++s) {
                const auto& points = series[s]->points();
                if (i >= points.size()) {
                    QVERIFY(cells[s + 1].empty());
                    continue;
                }
                QVERIFY2(SameDouble(ReadNumber(cells[s + 1], mark), points[i].y), cells[s + 1].c_str());
            }
        }
        QCOMPARE(lines.size(), 52);  // header, 50 rows, nothing after the last line end
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    void copyPutsTheSavedPictureOnTheClipboard() {
        auto chart = MakeChart();
        strs::CopyChartPicture(*chart);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(409, 209));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), chart->renderImage());
    }

    void pngIsTheChartPixelForPixel() {
        auto chart = MakeChart();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.png"));
        strs::WriteChartPicture(*chart, path, strs::PictureTypeFromFileName(path));
        QImage read;
        QVERIFY(read.load(path, "PNG"));
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), chart->renderImage());
    }

    // The drawing parses, has the chart's size, draws each series as one vector line
    // through all its points, and puts them where the picture has them.
    void svgIsAVectorDrawingOfTheSeries() {
        // Bars under a line, as the histogram and density chart have them.
        strs::ChartWidget chart;
        chart.resize(409, 209);
        chart.setTitleLines({QStringLiteral("Гистограмма")});
        ChartSeries* bars = chart.addSeries(QStringLiteral("B"), ChartSeries::Kind::Bar, strs::clBlue);
        ChartSeries* line = chart.addSeries(QStringLiteral("L"), ChartSeries::Kind::Line, strs::clRed);
        for (int i = 0; i < 12; ++i) {
            bars->appendValue(std::exp(-(i - 6) * (i - 6) / 8.0), strs::clBlue);
            line->appendValue(1.2 * std::exp(-(i - 6) * (i - 6) / 10.0), strs::clRed);
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.svg"));
        strs::WriteChartPicture(chart, path, strs::PictureType::Svg);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();

        QStringList size;
        int blueBars = 0;
        QStringList seriesLines;
        QXmlStreamReader xml(data);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == QLatin1String("svg")) {
                for (const char* name : {"width", "height", "viewBox"})
                    size << attributes.value(QLatin1String(name)).toString();
            } else if (xml.name() == QLatin1String("polyline")) {
                seriesLines << QStringLiteral("%1 %2")
                                   .arg(attributes.value(QLatin1String("stroke")))
                                   .arg(attributes.value(QLatin1String("points")).split(u' ').size());
            } else if (xml.name() == QLatin1String("rect")) {
                blueBars += attributes.value(QLatin1String("fill")) == QLatin1String("#0000ff");
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(size,
                 (QStringList{QStringLiteral("409"), QStringLiteral("209"), QStringLiteral("0 0 409 209")}));
        QCOMPARE(seriesLines, QStringList{QStringLiteral("#ff0000 12")});
        QCOMPARE(blueBars, 12);

#ifdef STRS_HAVE_SVG_RENDERER
        QSvgRenderer renderer(data);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), QSize(409, 209));
        QImage rendered(409, 209, QImage::Format_RGB32);
        rendered.fill(Qt::white);
        QPainter painter(&rendered);
        renderer.render(&painter);
        painter.end();
        const QImage picture = chart.renderImage();
        for (const QRgb colour : {qRgb(255, 0, 0), qRgb(0, 0, 255)}) {
            QVERIFY2(ShareNear(picture, rendered, colour) > 0.9, qPrintable(QString::number(colour, 16)));
            QVERIFY2(ShareNear(rendered, picture, colour) > 0.9, qPrintable(QString::number(colour, 16)));
        }
#endif
    }
};

QTEST_MAIN(ChartExportTest)
#include "tst_chart_export.moc"
