#include "tools/replay/variants.h"

#include "app/main_window.h"
#include "core/csv.h"
#include "shell/accessibility.h"
#include "shell/chart_export.h"
#include "shell/chart_widget.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"
#include "shell/translations.h"
#include "tools/replay/decoded_input.h"
#include "tools/replay/replay_session.h"
#include "tools/replay/snapshot.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QTabWidget>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace strs::replay {

namespace {

// The page's «Обновить» and the order switch it has, by page number.
const char* const kRefreshButtons[] = {"BB1", "BitBtn1", "BB3", "BitBtn2"};
const char* const kOrderSwitches[] = {nullptr, "RG2", nullptr, "RG4"};

// The output's words, in the window's language.
QString Tr(const char* source) { return QCoreApplication::translate("strs::replay::Variants", source); }

// What a page that shows only charts reports of each series.
enum class Figure { First, Last, Smallest, Largest };
constexpr Figure kFigures[] = {Figure::First, Figure::Last, Figure::Smallest, Figure::Largest};

QString FigureWord(Figure figure) {
    switch (figure) {
    case Figure::First:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "первое"));
    case Figure::Last:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "последнее"));
    case Figure::Smallest:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "наименьшее"));
    case Figure::Largest:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "наибольшее"));
    }
    return {};
}

// An output column after the inputs: a result label, or one figure of a chart's series.
// Found by name in each fresh window.
struct ResultColumn {
    int page = 0;
    QString heading;  // what the window shows beside the value
    QString name;     // the label's or the series' name, a second line under the heading
    QString chart;    // the series' chart; empty for a label
    std::size_t series = 0;
    Figure figure = Figure::First;
};

struct Variant {
    int row = 0;  // line number in the file
    int page = 0;
    QStringList cells;                // as read, numbers in the output's format
    std::vector<ScriptLine> actions;  // after the fresh start
};

// A bad cell: the message names the row and the column.
struct BadCell {
    QString text;
};

[[noreturn]] void Bad(int row, const QString& column, const QString& why) {
    throw BadCell{QStringLiteral("row %1, column %2: %3").arg(row).arg(column, why)};
}

int WholeNumber(const QString& text, int low, int high, int row, const QString& column) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        Bad(row, column, QStringLiteral("'%1' is not a number from %2 to %3").arg(text).arg(low).arg(high));
    return value;
}

ScriptLine Action(int row, const char* action, QStringList args) {
    return {row, QString::fromLatin1(action), std::move(args)};
}

// What the window offers: the field names on each page, and the results each shows:
// its result labels, or where it has none, the figures of its charts' series.
class WindowMap {
public:
    explicit WindowMap(TForm1& window) {
        const auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const QStringList labelNames = WrittenLabelNames();
        for (int i = 0; i < pages->count(); ++i) {
            const QWidget* page = pages->widget(i);
            for (const NumericField* field : page->findChildren<NumericField*>())
                fieldPage_[field->objectName()] = i + 1;
            bool anyLabel = false;
            for (const QString& name : labelNames) {
                const auto* label = page->findChild<QLabel*>(name);
                // A label without a caption names a field (L11 "a"): no answer.
                if (label == nullptr || ReadingCaption(*label).isEmpty())
                    continue;
                columns_.push_back({i + 1, ReadingCaption(*label), name, {}});
                anyLabel = true;
            }
            if (!anyLabel)
                addSeriesColumns(i + 1, *page);
        }
    }
    std::optional<int> pageOfField(const QString& name) const {
        const auto found = fieldPage_.find(name);
        return found == fieldPage_.end() ? std::nullopt : std::optional<int>(found->second);
    }
    std::vector<ResultColumn> columnsOn(const std::vector<bool>& pages) const {
        std::vector<ResultColumn> used;
        std::copy_if(columns_.begin(), columns_.end(), std::back_inserter(used),
                     [&pages](const ResultColumn& c) { return pages[std::size_t(c.page)]; });
        return used;
    }

private:
    void addSeriesColumns(int page, const QWidget& widget) {
        QList<ChartWidget*> charts = widget.findChildren<ChartWidget*>();
        // In reading order: the upper chart first.
        std::sort(charts.begin(), charts.end(),
                  [](const ChartWidget* a, const ChartWidget* b) { return a->y() < b->y(); });
        for (const ChartWidget* chart : charts) {
            const auto& series = chart->allSeries();
            for (std::size_t k = 0; k < series.size(); ++k) {
                for (Figure figure : kFigures) {
                    const QString heading =
                        Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "%1, %2: %3"))
                            .arg(ChartTitle(*chart), series[k]->legendName(), FigureWord(figure));
                    columns_.push_back({page, heading, series[k]->name(), chart->objectName(), k, figure});
                }
            }
        }
    }

    std::map<QString, int> fieldPage_;
    std::vector<ResultColumn> columns_;
};

// The column's value as the variant's page shows it; empty for another page's column.
QString ValueOf(const ResultColumn& column, int page, const QWidget& window) {
    if (column.page != page)
        return {};
    if (column.chart.isEmpty()) {
        const auto* label = window.findChild<QLabel*>(column.name);
        return label->isVisibleTo(&window) ? label->text() : QString();
    }
    const auto* chart = window.findChild<ChartWidget*>(column.chart);
    const ChartSeries& series = *chart->allSeries()[column.series];
    const auto& points = series.points();
    if (points.empty())
        return {};
    switch (column.figure) {
    case Figure::First:
        return FloatToStr(points.front().y);
    case Figure::Last:
        return FloatToStr(points.back().y);
    case Figure::Smallest:
        return FloatToStr(series.valueRange().first);
    case Figure::Largest:
        return FloatToStr(series.valueRange().second);
    }
    return {};
}

Variant ReadVariant(int row, const QStringList& header, const QStringList& cells, const WindowMap& map) {
    Variant v;
    v.row = row;
    v.cells = cells;
    if (cells.size() > header.size())
        Bad(row, QString::number(header.size() + 1), QStringLiteral("more cells than the header names"));
    const qsizetype pageColumn = header.indexOf(QStringLiteral("page"));
    if (pageColumn < 0 || cells.value(pageColumn).trimmed().isEmpty())
        Bad(row, QStringLiteral("page"), QStringLiteral("the page is missing"));
    v.page = WholeNumber(cells[pageColumn], 1, 4, row, QStringLiteral("page"));
    v.actions.push_back(Action(row, "page", {QString::number(v.page)}));

    for (qsizetype c = 0; c < cells.size(); ++c) {
        const QString& column = header[c];
        const QString value = cells[c].trimmed();
        if (value.isEmpty() || column == QLatin1String("page") || column == QLatin1String("id"))
            continue;
        if (column == QLatin1String("law")) {
            if (v.page != 1)
                Bad(row, column, QStringLiteral("page %1 has no law").arg(v.page));
            v.actions.push_back(
                Action(row, "select",
                       {QStringLiteral("CB1"), QString::number(WholeNumber(value, 0, 4, row, column))}));
        } else if (column == QLatin1String("order")) {
            const char* orderSwitch = kOrderSwitches[v.page - 1];
            if (orderSwitch == nullptr)
                Bad(row, column, QStringLiteral("page %1 has no order").arg(v.page));
            v.actions.push_back(Action(
                row, "radio",
                {QString::fromLatin1(orderSwitch), QString::number(WholeNumber(value, 0, 1, row, column))}));
        } else if (const std::optional<int> page = map.pageOfField(column)) {
            if (*page != v.page)
                Bad(row, column, QStringLiteral("the field is not on page %1").arg(v.page));
            QString text = value;
            text.replace(u'.', DecimalSeparator()).replace(u',', DecimalSeparator());
            double number = 0.0;
            if (!TryStrToFloat(text, number))
                Bad(row, column, QStringLiteral("'%1' is not a number").arg(value));
            v.actions.push_back(Action(row, "set", {column, text}));
            v.cells[c] = FloatToStr(number);  // written as the results are
        } else {
            Bad(row, column, QStringLiteral("unknown column"));
        }
    }
    v.actions.push_back(Action(row, "press", {QString::fromLatin1(kRefreshButtons[v.page - 1])}));
    return v;
}

// The input's records as Qt strings, one at a time; blank lines are passed over.
class VariantRecords {
public:
    VariantRecords(QIODevice& input, char separator)
        : decoded_(input),
          reader_([this](char* buffer, std::size_t size) { return decoded_.read(buffer, size); }, separator) {
    }

    // False at the end of the input; throws BadCell at a quotation mark left open.
    bool next(QStringList& cells, int& row) {
        std::vector<std::string> raw;
        while (true) {
            const CsvRecordReader::Result result = reader_.next(raw, row);
            if (result == CsvRecordReader::Result::End)
                return false;
            if (result == CsvRecordReader::Result::OpenQuote)
                throw BadCell{QStringLiteral("row %1: a quotation mark is not closed").arg(row)};
            if (raw.size() > 1 || !QString::fromStdString(raw[0]).trimmed().isEmpty())
                break;
        }
        cells.clear();
        for (const std::string& cell : raw)
            cells << QString::fromStdString(cell);
        return true;
    }

private:
    DecodedInput decoded_;
    CsvRecordReader reader_;
};

// A tab when the first line that is not blank holds one (a spreadsheet's "Unicode
// text"), else ";" when it holds one, else ",".
char SeparatorOf(QIODevice& input) {
    DecodedInput decoded(input);
    QByteArray start;
    char block[4096];
    while (start.size() < (1 << 20)) {
        const std::size_t got = decoded.read(block, sizeof block);
        if (got == 0)
            break;
        start.append(block, qsizetype(got));
        const QByteArray text = start.trimmed();
        if (!text.isEmpty() && (text.contains('\n') || text.contains('\r')))
            break;
    }
    const QByteArray text = start.trimmed();
    const auto lineEnd =
        std::find_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
    const QByteArray first = text.left(lineEnd - text.begin());
    return first.contains('\t') ? '\t' : first.contains(';') ? ';' : ',';
}

// The header's column names, trimmed; throws BadCell when a row that is no header comes
// first, or when two columns have one name.
QStringList ReadHeader(VariantRecords& records) {
    QStringList header;
    int row = 0;
    if (!records.next(header, row))
        throw BadCell{QStringLiteral("no header row")};
    for (QString& name : header)
        name = name.trimmed();
    if (!header.contains(QStringLiteral("page")))
        throw BadCell{QStringLiteral("row %1 is no header row: no column is named 'page'").arg(row)};
    for (qsizetype c = 0; c < header.size(); ++c) {
        const qsizetype first = header.indexOf(header[c]);
        if (first < c && !header[c].isEmpty())
            throw BadCell{QStringLiteral("row %1: columns %2 and %3 are both named '%4'")
                              .arg(row)
                              .arg(first + 1)
                              .arg(c + 1)
                              .arg(header[c])};
    }
    return header;
}

// A column heading: what it shows, and the component name as a second line.
struct Heading {
    QString text;
    QString name;
};

// Writes the output table as CSV or as an HTML page, in the window's language.
class TableWriter {
public:
    TableWriter(VariantsFormat format, std::function<void(const QByteArray&)> out)
        : format_(format), out_(std::move(out)) {}
    void begin(const std::vector<Heading>& headings) {
        if (format_ == VariantsFormat::Csv) {
            QStringList cells;
            for (const Heading& h : headings)
                cells << (h.name.isEmpty() ? h.text : h.text + u'\n' + h.name);
            row(cells, nullptr);
            return;
        }
        const bool english = InstalledLanguage() == UiLanguage::English;
        out_(QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                            "<title>%2</title>\n<style>\n"
                            "body { font-family: sans-serif; font-size: 10pt; }\n"
                            "table { border-collapse: collapse; }\n"
                            "th, td { border: 1px solid #888; padding: 2px 6px; text-align: left; }\n"
                            "th { background: #eee; vertical-align: bottom; }\n"
                            "th small { font-weight: normal; color: #555; }\n"
                            "tr { page-break-inside: avoid; }\n"
                            "</style>\n</head>\n<body>\n<table>\n<thead>\n<tr>")
                 .arg(english ? QStringLiteral("en") : QStringLiteral("ru"),
                      Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "Ответы по вариантам")))
                 .toUtf8());
        QString html;
        for (const Heading& h : headings) {
            html += h.name.isEmpty() ? QStringLiteral("<th>%1</th>").arg(Escaped(h.text))
                                     : QStringLiteral("<th title=\"%2\">%1<br><small>%2</small></th>")
                                           .arg(Escaped(h.text), Escaped(h.name));
        }
        out_((html + QStringLiteral("</tr>\n</thead>\n<tbody>\n")).toUtf8());
    }
    void add(const QStringList& cells) { row(cells, "td"); }
    void end() {
        if (format_ == VariantsFormat::Html)
            out_(QByteArrayLiteral("</tbody>\n</table>\n</body>\n</html>\n"));
    }

private:
    static QString Escaped(const QString& text) {
        return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
    }

    void row(const QStringList& cells, const char* tag) {
        if (format_ == VariantsFormat::Csv) {
            std::vector<std::string> text;
            for (const QString& cell : cells)
                text.push_back(cell.toStdString());
            out_(QByteArray::fromStdString(CsvRow(text, CsvFieldSeparator())));
            return;
        }
        const QString open = QStringLiteral("<%1>").arg(QLatin1String(tag));
        const QString close = QStringLiteral("</%1>").arg(QLatin1String(tag));
        QString html = QStringLiteral("<tr>");
        for (const QString& cell : cells)
            html += open + Escaped(cell) + close;
        out_((html + QStringLiteral("</tr>\n")).toUtf8());
    }

    VariantsFormat format_;
    std::function<void(const QByteArray&)> out_;
};

// Runs one variant in the session (after its fresh start) and writes its output row: the
// row number, the cells as read, the results its page shows and the error text.
void runVariant(ReplaySession& session, const Variant& v, const QStringList& header,
                const std::vector<ResultColumn>& results, TableWriter& table) {
    for (const ScriptLine& action : v.actions)
        session.execute(action);
    QStringList cells{QString::number(v.row)};
    for (qsizetype c = 0; c < header.size(); ++c)
        cells << v.cells.value(c);
    for (const ResultColumn& column : results)
        cells << ValueOf(column, v.page, session.window());
    cells << session.takeErrors().join(u'\n');
    table.add(cells);
}

}  // namespace

int RunVariants(QIODevice& input, VariantsFormat format, const VariantsOutput& output) {
    ReplaySession session([](const QByteArray&) {});
    const WindowMap map(session.window());
    const char separator = SeparatorOf(input);

    // A first pass checks every row, so that the output knows its columns before the first
    // variant runs; the second runs them. Neither keeps more than one row.
    int badRows = 0;
    std::vector<bool> pagesUsed(5, false);
    QStringList header;
    try {
        VariantRecords records(input, separator);
        header = ReadHeader(records);
        QStringList cells;
        int row = 0;
        while (records.next(cells, row)) {
            try {
                pagesUsed[std::size_t(ReadVariant(row, header, cells, map).page)] = true;
            } catch (const BadCell& bad) {
                output.message(bad.text);
                ++badRows;
            }
        }
    } catch (const BadCell& bad) {  // the header, or a quotation mark left open
        output.message(bad.text);
        if (header.isEmpty())
            return 1;
        ++badRows;
    }

    const std::vector<ResultColumn> results = map.columnsOn(pagesUsed);
    std::vector<Heading> headings{{Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "Строка")), {}}};
    for (const QString& name : header)
        headings.push_back({name, {}});
    for (const ResultColumn& column : results)
        headings.push_back({column.heading, column.name});
    headings.push_back({Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "Ошибка")), {}});
    TableWriter table(format, output.table);
    table.begin(headings);
    input.seek(0);
    VariantRecords records(input, separator);
    QStringList cells;
    int row = 0;
    records.next(cells, row);  // the header
    bool first = true;
    try {
        while (records.next(cells, row)) {
            std::optional<Variant> variant;
            try {
                variant = ReadVariant(row, header, cells, map);
            } catch (const BadCell&) {
                continue;  // named in the first pass
            }
            if (!first)
                session.execute(Action(row, "restart", {}));
            first = false;
            runVariant(session, *variant, header, results, table);
        }
    } catch (const BadCell&) {  // the open quotation mark, named in the first pass
    }
    table.end();
    return badRows;
}

int RunVariants(const QString& csv, VariantsFormat format, const VariantsOutput& output) {
    QByteArray bytes = csv.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return RunVariants(buffer, format, output);
}

}  // namespace strs::replay
