#include "core/csv.h"

#include <charconv>

namespace strs {

std::string RoundTripNumber(double value, char decimalMark) {
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, written.ptr);
    for (char& c : text) {
        if (c == '.')
            c = decimalMark;
    }
    return text;
}

std::string CsvRow(const std::vector<std::string>& cells, char separator) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += separator;
        const std::string& cell = cells[i];
        if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
            row += cell;
            continue;
        }
        row += '"';
        for (char c : cell) {
            if (c == '"')
                row += '"';
            row += c;
        }
        row += '"';
    }
    row += "\r\n";
    return row;
}

bool ParseCsvLine(std::string_view line, char separator, std::vector<std::string>& cells) {
    cells.assign(1, std::string());
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                cells.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                cells.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return !quoted;
}

}  // namespace strs
