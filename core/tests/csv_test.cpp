#include "core/csv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace strs {
namespace {

double ReadBack(std::string text, char decimalMark) {
    for (char& c : text) {
        if (c == decimalMark)
            c = '.';
    }
    double value = 0.0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(read.ptr, text.data() + text.size()) << text;
    return value;
}

TEST(Csv, NumbersReadBackBitForBit) {
    const double values[] = {0.1,
                             -1.0 / 3.0,
                             1e300,
                             5e-324,
                             std::nextafter(1.0, 2.0),
                             -0.0,
                             123456789.125,
                             std::numeric_limits<double>::max()};
    for (char mark : {'.', ','}) {
        for (double v : values) {
            const std::string text = RoundTripNumber(v, mark);
            EXPECT_EQ(text.find(mark == '.' ? ',' : '.'), std::string::npos) << text;
            const double back = ReadBack(text, mark);
            EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << text;
        }
    }
    EXPECT_EQ(RoundTripNumber(0.1, ','), "0,1");
}

TEST(Csv, CellsWithSeparatorsOrQuotesSurviveARoundTrip) {
    const std::vector<std::string> cells = {"plain", "a;b", "say \"hi\"", "", "0,5", "line\nbreak"};
    for (char separator : {',', ';'}) {
        std::string row = CsvRow(cells, separator);
        ASSERT_EQ(row.substr(row.size() - 2), "\r\n");
        row.resize(row.size() - 2);
        std::vector<std::string> back;
        ASSERT_TRUE(ParseCsvLine(row, separator, back));
        EXPECT_EQ(back, cells);
    }
    std::vector<std::string> cells2;
    EXPECT_FALSE(ParseCsvLine("a,\"open", ',', cells2));
}

}  // namespace
}  // namespace strs
