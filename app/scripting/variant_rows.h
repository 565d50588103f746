#pragma once
// Reading a table of variants: its cell separator, its header and its rows, one record at
// a time, in whichever encoding the table was saved (DecodedInput).

#include "core/csv.h"
#include "app/scripting/decoded_input.h"

#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace strs::replay {

// A tab when the first line that is not blank holds one (a spreadsheet's "Unicode
// text"), else ";" when it holds one, else ",".
char SeparatorOf(QIODevice& input);

class VariantRows {
public:
    VariantRows(QIODevice& input, char separator);

    enum class Result { Row, End, OpenQuote };
    // The next record that is not blank, as Qt strings, and the line it starts on.
    Result next(QStringList& cells, int& row);

private:
    DecodedInput decoded_;
    CsvRecordReader reader_;
};

struct Header {
    QStringList columns;  // the names, trimmed
    int row = 0;
};

// The header's column names, or why the first record is no header: none at all, no
// column named "page", a name twice, a quotation mark left open.
struct HeaderOrProblem {
    std::optional<Header> header;
    QString problem;
};
HeaderOrProblem ReadHeader(VariantRows& rows);

}  // namespace strs::replay
