#pragma once
// A chart's contents leaving the program: its picture on the clipboard and its series
// as comma-separated values.

#include "core/atomic_file.h"

#include <QByteArray>
#include <QString>

namespace strs {

class ChartWidget;

// The chart's picture, as saved (its own size, without the read-out), on the clipboard.
void CopyChartPicture(const ChartWidget& chart);

// Every series of the chart as CSV in UTF-8, after a byte order mark (so that a
// spreadsheet on Windows reads the Cyrillic right): a header row "x" and the series'
// legend names, then one row per point index with x and each series' value (empty where
// a series has no point). A chart with bar bins has two more columns after x: each bar's
// lower and upper bound. In a locale whose decimal mark is a comma, ";" separates the
// fields, otherwise ",". Every number reads back to the same double.
QByteArray ChartDataCsv(const ChartWidget& chart);

// The separator ChartDataCsv uses in the active locale.
char CsvFieldSeparator();

// The file a chosen data file name stands for: ".csv" completes a name without an
// extension.
QString DataFileName(const QString& chosenName);

// Writes ChartDataCsv to fullName, whole or not at all (WriteFile).
void WriteChartData(const ChartWidget& chart, const QString& fullName, DiskSpace space = {});

}  // namespace strs
