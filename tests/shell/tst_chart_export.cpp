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

    // A histogram's rows give each bar's bounds; the file starts with a byte order mark.
    void histogramDataHasTheBarsBounds() {
        strs::ChartWidget chart;
        strs::ChartSeries* bars =
            chart.addSeries(QStringLiteral("Series12"), strs::ChartSeries::Kind::Bar, strs::clHistogram);
        for (int k = 0; k < 15; ++k)
            bars->appendBar(k, strs::clHistogram);
        chart.setBarBins(-18.5, 1.25);
        const QByteArray csv = strs::ChartDataCsv(chart);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QList<QByteArray> lines = csv.split('\n');
        std::vector<std::string> cells;
        QVERIFY(strs::ParseCsvLine(lines[0].chopped(1).toStdString(), ';', cells));
        QCOMPARE(cells.size(), std::size_t(4));
        QCOMPARE(cells[1], std::string("Нижняя граница"));
        QCOMPARE(cells[2], std::string("Верхняя граница"));
        QVERIFY(strs::ParseCsvLine(lines[1].chopped(1).toStdString(), ';', cells));
        QCOMPARE(cells, (std::vector<std::string>{"0", "-18,5", "-17,183333333333334", "0"}));
        QVERIFY(strs::ParseCsvLine(lines[15].chopped(1).toStdString(), ';', cells));
        QCOMPARE(cells[2], std::string("1,25"));
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

    // The drawing parses, has the chart's size and draws each series as vectors: a line
    // through all its points, a rectangle per bar. (scripts/e2e compares a saved drawing
    // with the screen.)
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
    }
};

QTEST_MAIN(ChartExportTest)
#include "tst_chart_export.moc"
