#include "core/csv.h"

#include "core/decimal_conversion.h"

#include <algorithm>
#include <cmath>

namespace strs {

std::string RoundTripNumber(double value, char decimalMark) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const DecimalDigits d = ShortestDigits(value);
    const std::string sign = d.negative ? "-" : "";
    // Both of printf's forms of the shortest digits; the shorter is written, the plain one
    // where they are as long ("1e+300", "0,001", "123456").
    std::string scientific = sign + d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        scientific += decimalMark + d.digits.substr(1);
    const int power = d.pointExponent;
    const std::string powerDigits = std::to_string(power < 0 ? -power : power);
    scientific += std::string("e") + (power < 0 ? '-' : '+') + (powerDigits.size() < 2 ? "0" : "") + powerDigits;
    std::string plain = sign;
    if (power >= 0) {
        const std::size_t integerCount = std::size_t(power) + 1;
        if (d.digits.size() < integerCount) {
            // A whole number: printf writes all its digits, not the shortest padded with
            // zeros ("1152921504606846976"); where it is long, the exponent form wins anyway.
            plain += SignificantDigits(value, int(integerCount)).digits;
        } else {
            plain += d.digits.substr(0, integerCount);
            if (d.digits.size() > integerCount)
                plain += decimalMark + d.digits.substr(integerCount);
        }
    } else {
        plain += std::string("0") + decimalMark + std::string(std::size_t(-power - 1), '0') + d.digits;
    }
    return plain.size() <= scientific.size() ? plain : scientific;
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
    CsvRecordReader reader(CsvRecordReader::FromText(line), separator);
    int first = 0;
    const CsvRecordReader::Result result = reader.next(cells, first);
    if (result == CsvRecordReader::Result::End)
        cells.assign(1, std::string());
    return result != CsvRecordReader::Result::OpenQuote;
}

CsvRecordReader::CsvRecordReader(Source source, char separator)
    : source_(std::move(source)), separator_(separator) {}

CsvRecordReader::Source CsvRecordReader::FromText(std::string_view text) {
    return [text](char* buffer, std::size_t size) mutable {
        const std::size_t n = text.copy(buffer, size);
        text.remove_prefix(n);
        return n;
    };
}

int CsvRecordReader::peek() {
    if (at_ == block_.size()) {
        block_.resize(64 * 1024);
        block_.resize(source_(block_.data(), block_.size()));
        at_ = 0;
        if (block_.empty())
            return -1;
    }
    return static_cast<unsigned char>(block_[at_]);
}

int CsvRecordReader::get() {
    const int c = peek();
    if (c >= 0)
        ++at_;
    return c;
}

void CsvRecordReader::endLine(int c) {
    ++line_;
    if (c == '\r' && peek() == '\n')
        get();
}

CsvRecordReader::Result CsvRecordReader::next(std::vector<std::string>& cells, int& line) {
    if (!started_) {
        started_ = true;
        if (peek() >= 0 && block_.compare(at_, 3, "\xEF\xBB\xBF") == 0)
            at_ += 3;
    }
    cells.assign(1, std::string());
    line = line_;
    if (peek() < 0)
        return Result::End;
    bool quoted = false;
    for (int c = get(); c >= 0; c = get()) {
        if (quoted) {
            if (c == '"' && peek() == '"') {
                cells.back() += char(get());
            } else if (c == '"') {
                quoted = false;
            } else if (c == '\r' || c == '\n') {
                endLine(c);
                cells.back() += '\n';
            } else {
                cells.back() += char(c);
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator_) {
            cells.emplace_back();
        } else if (c == '\r' || c == '\n') {
            endLine(c);
            return Result::Record;
        } else {
            cells.back() += char(c);
        }
    }
    return quoted ? Result::OpenQuote : Result::Record;
}

}  // namespace strs
