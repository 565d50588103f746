#include "shell/chart_export.h"

#include "core/csv.h"
#include "shell/chart_widget.h"
#include "shell/number_text.h"
#include "shell/picture_file.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>

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

    std::vector<std::string> cells{"x"};
    std::size_t longest = 0;
    for (const auto& s : series) {
        cells.push_back(s->legendName().toStdString());
        longest = std::max(longest, s->points().size());
    }
    std::string text = CsvRow(cells, separator);
    for (std::size_t i = 0; i < longest; ++i) {
        cells.assign(1, std::string());
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

void WriteChartData(const ChartWidget& chart, const QString& fullName) {
    WriteFileAtomically(ChartDataCsv(chart), fullName);
}

}  // namespace strs
