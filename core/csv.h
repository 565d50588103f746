#pragma once
// Comma-separated text, free of Qt: one row of cells written or read, records read one
// at a time from a stream, and a double
// written so that it reads back to the same value. The separators are passed in, so
// that a comma-decimal locale can use ";" between fields and "," inside numbers.

#include <functional>
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

// Reads records one at a time, as spreadsheets write them: a quoted cell may hold the
// separator, doubled quotation marks and line ends (read as LF); a record ends at LF,
// CR LF or a lone CR. A UTF-8 byte order mark at the very start is skipped. Holds one
// block of input and one record at a time, however long the input.
class CsvRecordReader {
public:
    // Fills up to size bytes of buffer and returns how many; 0 at the end of the input.
    using Source = std::function<std::size_t(char* buffer, std::size_t size)>;

    CsvRecordReader(Source source, char separator);
    // Reads a text held in memory; the text must outlive the reader.
    static Source FromText(std::string_view text);

    enum class Result { Record, End, OpenQuote };
    // The next record; line is the 1-based line of the input on which it starts. OpenQuote
    // when the input ends inside a quoted cell.
    Result next(std::vector<std::string>& cells, int& line);

private:
    int get();   // the next byte, or -1 at the end
    int peek();  // the same, left to be read
    void endLine(int c);

    Source source_;
    char separator_;
    std::string block_;
    std::size_t at_ = 0;
    int line_ = 1;
    bool started_ = false;
};

}  // namespace strs
