#pragma once
// What a screen reader hears beyond a control's own text: a result label read together
// with its caption ("Математическое ожидание: 1,35"), and a chart read as its title with a
// description of its series and their value ranges.

#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace strs {

class ChartWidget;

// The control's accessible name and, where it helps, its description.
void Describe(QWidget* control, const QString& name, const QString& description = {});

// The result label is read as "<caption>: <result>", whatever the caption and the result
// say at the time.
void ReadWithCaption(QLabel* result, const QLabel* caption);

// The same with a fixed meaning in place of a caption ("Шкала гистограммы, минимум: 1,236").
// Given before the label's first text: a screen reader keeps the reading it first met.
void ReadWithMeaning(QLabel* result, const QString& meaning);

// The caption or meaning a result label is read with; empty for other labels.
QString ReadingCaption(const QLabel& result);

// The top-level widget is read as a window (a plain widget is read as a filler).
void ReadAsWindow(QWidget* window);

// What the chart's series show, in the order of allSeries() (the legend's words): their
// legend names, read out in the chart's description, heading the columns of its table of
// values and of its exported data, and shown by its read-out.
void SetSeriesCaptions(ChartWidget* chart, const QStringList& captions);

// The series' legend name.
QString SeriesCaption(const ChartWidget& chart, int index);

// The chart's title lines joined into one text.
QString ChartTitle(const ChartWidget& chart);

// Every series with its number of values and their range at four significant digits,
// e.g. "Наблюдения: 100 значений, от -3,2 до 4,1"; an empty chart says so.
QString ChartSummary(const ChartWidget& chart);

}  // namespace strs
