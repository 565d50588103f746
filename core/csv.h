#pragma once
// Comma-separated text, free of Qt: one row of cells written or read, and a double
// written so that it reads back to the same value. The separators are passed in, so
// that a comma-decimal locale can use ";" between fields and "," inside numbers.

#include <string>
#include <string_view>
#include <vector>

namespace strs {

// The shortest text that reads back to exactly value, with decimalMark in place of the
// point ("0,1", "1e+300", "-0", "inf", "nan").
std::string RoundTripNumber(double value, char decimalMark);

// One row: the cells joined by separator, ended by CR LF. A cell holding the separator,
// a quotation mark, CR or LF is put in quotation marks, its marks doubled.
std::string CsvRow(const std::vector<std::string>& cells, char separator);

// The cells of one line (without its line end), quoted cells read back. Nothing when a
// quotation mark is left open.
bool ParseCsvLine(std::string_view line, char separator, std::vector<std::string>& cells);

}  // namespace strs
