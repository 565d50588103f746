#include "tools/replay/variants.h"

#include "app/main_window.h"
#include "core/csv.h"
#include "shell/chart_export.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"
#include "tools/replay/replay_session.h"
#include "tools/replay/snapshot.h"

#include <QBuffer>
#include <QLabel>
#include <QStringList>
#include <QTabWidget>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace strs::replay {

namespace {

// The page's «Обновить» and the order switch it has, by page number.
const char* const kRefreshButtons[] = {"BB1", "BitBtn1", "BB3", "BitBtn2"};
const char* const kOrderSwitches[] = {nullptr, "RG2", nullptr, "RG4"};

struct Variant {
    int row = 0;  // line number in the file
    int page = 0;
    QStringList cells;                // as read, for the output
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

// What the window offers: the field names on each page, the written labels on each.
class WindowMap {
public:
    explicit WindowMap(TForm1& window) {
        const auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        for (int i = 0; i < pages->count(); ++i) {
            for (const NumericField* field : pages->widget(i)->findChildren<NumericField*>())
                fieldPage_[field->objectName()] = i + 1;
        }
        for (const QString& name : WrittenLabelNames()) {
            const auto* label = window.findChild<QLabel*>(name);
            for (int i = 0; i < pages->count(); ++i) {
                if (pages->widget(i)->isAncestorOf(label))
                    labelPage_.push_back({name, i + 1});
            }
        }
    }
    std::optional<int> pageOfField(const QString& name) const {
        const auto found = fieldPage_.find(name);
        return found == fieldPage_.end() ? std::nullopt : std::optional<int>(found->second);
    }
    QStringList labelsOn(const std::vector<bool>& pages) const {
        QStringList names;
        for (const auto& [name, page] : labelPage_) {
            if (pages[std::size_t(page)])
                names << name;
        }
        return names;
    }
    int pageOfLabel(const QString& name) const {
        for (const auto& [label, page] : labelPage_) {
            if (label == name)
                return page;
        }
        return 0;
    }

private:
    std::map<QString, int> fieldPage_;
    std::vector<std::pair<QString, int>> labelPage_;
};

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
        : reader_([&input](char* buffer, std::size_t size) {
                      const qint64 got = input.read(buffer, qint64(size));
                      return got > 0 ? std::size_t(got) : std::size_t(0);
                  },
                  separator) {}

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
    CsvRecordReader reader_;
};

// ";" when the first line that is not blank holds one, "," otherwise; the input is left
// at its start.
char SeparatorOf(QIODevice& input) {
    char separator = ',';
    while (!input.atEnd()) {
        const QByteArray line = input.readLine(1 << 20).trimmed();
        if (!line.isEmpty()) {
            separator = line.contains(';') ? ';' : ',';
            break;
        }
    }
    input.seek(0);
    return separator;
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

// Writes the output table as CSV or as an HTML page.
class TableWriter {
public:
    TableWriter(VariantsFormat format, std::function<void(const QByteArray&)> out)
        : format_(format), out_(std::move(out)) {}
    void begin(const QStringList& header) {
        if (format_ == VariantsFormat::Html) {
            out_(QByteArrayLiteral("<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
                                   "<title>Ответы по вариантам</title>\n<style>\n"
                                   "body { font-family: sans-serif; font-size: 10pt; }\n"
                                   "table { border-collapse: collapse; }\n"
                                   "th, td { border: 1px solid #888; padding: 2px 6px; text-align: left; }\n"
                                   "th { background: #eee; }\n"
                                   "tr { page-break-inside: avoid; }\n"
                                   "</style>\n</head>\n<body>\n<table>\n<thead>\n"));
            row(header, "th");
            out_(QByteArrayLiteral("</thead>\n<tbody>\n"));
        } else {
            row(header, nullptr);
        }
    }
    void add(const QStringList& cells) { row(cells, "td"); }
    void end() {
        if (format_ == VariantsFormat::Html)
            out_(QByteArrayLiteral("</tbody>\n</table>\n</body>\n</html>\n"));
    }

private:
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
            html += open + cell.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) + close;
        out_((html + QStringLiteral("</tr>\n")).toUtf8());
    }

    VariantsFormat format_;
    std::function<void(const QByteArray&)> out_;
};

// Runs one variant in the session (after its fresh start) and writes its output row: the
// row number, the cells as read, the labels its page shows and the error text.
void runVariant(ReplaySession& session, const Variant& v, const QStringList& header, const QStringList& labels,
                const WindowMap& map, TableWriter& table) {
    for (const ScriptLine& action : v.actions)
        session.execute(action);
    QStringList cells{QString::number(v.row)};
    for (qsizetype c = 0; c < header.size(); ++c)
        cells << v.cells.value(c);
    for (const QString& name : labels) {
        const auto* label = session.window().findChild<QLabel*>(name);
        const bool shown = map.pageOfLabel(name) == v.page && label->isVisibleTo(&session.window());
        cells << (shown ? label->text() : QString());
    }
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

    const QStringList labels = map.labelsOn(pagesUsed);
    TableWriter table(format, output.table);
    table.begin(QStringList{QStringLiteral("row")} + header + labels + QStringList{QStringLiteral("error")});
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
            runVariant(session, *variant, header, labels, map, table);
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
