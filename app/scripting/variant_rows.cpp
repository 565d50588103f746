#include "app/scripting/variant_rows.h"

#include <QIODevice>

#include <algorithm>
#include <string>
#include <vector>

namespace strs::replay {

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
    const auto lineEnd = std::find_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
    const QByteArray first = text.left(lineEnd - text.begin());
    return first.contains('\t') ? '\t' : first.contains(';') ? ';' : ',';
}

VariantRows::VariantRows(QIODevice& input, char separator)
    : decoded_(input),
      reader_([this](char* buffer, std::size_t size) { return decoded_.read(buffer, size); }, separator) {}

VariantRows::Result VariantRows::next(QStringList& cells, int& row) {
    std::vector<std::string> raw;
    while (true) {
        const CsvRecordReader::Result result = reader_.next(raw, row);
        if (result == CsvRecordReader::Result::End)
            return Result::End;
        if (result == CsvRecordReader::Result::OpenQuote)
            return Result::OpenQuote;
        if (raw.size() > 1 || !QString::fromStdString(raw[0]).trimmed().isEmpty())
            break;
    }
    cells.clear();
    for (const std::string& cell : raw)
        cells << QString::fromStdString(cell);
    return Result::Row;
}

HeaderOrProblem ReadHeader(VariantRows& rows) {
    Header header;
    switch (rows.next(header.columns, header.row)) {
    case VariantRows::Result::End:
        return {std::nullopt, QStringLiteral("no header row")};
    case VariantRows::Result::OpenQuote:
        return {std::nullopt, QStringLiteral("row %1: a quotation mark is not closed").arg(header.row)};
    case VariantRows::Result::Row:
        break;
    }
    QStringList& names = header.columns;
    for (QString& name : names)
        name = name.trimmed();
    if (!names.contains(QStringLiteral("page")))
        return {std::nullopt,
                QStringLiteral("row %1 is no header row: no column is named 'page'").arg(header.row)};
    for (qsizetype c = 0; c < names.size(); ++c) {
        const qsizetype first = names.indexOf(names[c]);
        if (first < c && !names[c].isEmpty())
            return {std::nullopt, QStringLiteral("row %1: columns %2 and %3 are both named '%4'")
                                      .arg(header.row)
                                      .arg(first + 1)
                                      .arg(c + 1)
                                      .arg(names[c])};
    }
    return {header, {}};
}

}  // namespace strs::replay
