#include "shell/chart_export.h"

#include "core/csv.h"
#include "shell/chart_widget.h"
#include "shell/number_text.h"
#include "shell/file_writing.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace strs {

void CopyChartPicture(const ChartWidget& chart) {
    QGuiApplication::clipboard()->setImage(chart.renderImage());
}

char CsvFieldSeparator() { return DecimalSeparator() == u',' ? ';' : ','; }

QByteArray ChartDataCsv(const ChartWidget& chart) {
    const char separator = CsvFieldSeparator();
    const char mark = DecimalSeparator() == u',' ? ',' : '.';
    const auto& series = chart.allSeries();

    // A bar chart's rows also give each bar's bin: its lower and upper bound.
    const std::optional<std::pair<double, double>> bins = chart.barBins();
    std::vector<std::string> cells{"x"};
    if (bins) {
        cells.push_back(QCoreApplication::translate("strs::ChartExport", "Нижняя граница").toStdString());
        cells.push_back(QCoreApplication::translate("strs::ChartExport", "Верхняя граница").toStdString());
    }
    std::size_t longest = 0;
    for (const auto& s : series) {
        cells.push_back(s->legendName().toStdString());
        longest = std::max(longest, s->points().size());
    }
    // The byte order mark tells a spreadsheet on Windows that the text is UTF-8.
    std::string text = "\xEF\xBB\xBF" + CsvRow(cells, separator);
    for (std::size_t i = 0; i < longest; ++i) {
        cells.assign(1, std::string());
        if (bins) {
            cells.push_back(RoundTripNumber(BinEdge(*bins, i, longest), mark));
            cells.push_back(RoundTripNumber(BinEdge(*bins, i + 1, longest), mark));
        }
        for (const auto& s : series) {
            const bool has = i < s->points().size();
            if (has && cells.front().empty())
                cells.front() = RoundTripNumber(s->points()[i].x, mark);
            cells.push_back(has ? RoundTripNumber(s->points()[i].y, mark) : std::string());
        }
        text += CsvRow(cells, separator);
    }
    return QByteArray::fromStdString(text);
}

QString DataFileName(const QString& chosenName) {
    return QFileInfo(chosenName).suffix().isEmpty() ? chosenName + QStringLiteral(".csv") : chosenName;
}

void WriteChartData(const ChartWidget& chart, const QString& fullName, DiskSpace space) {
    WriteFile(ChartDataCsv(chart), fullName, space);
}

}  // namespace strs
