#pragma once
// The building blocks of a lab page, placed at fixed positions as the pages are drawn:
// captions, result labels, the bold page title, numeric fields, framed groups, the
// «Обновить» button and the chart group with its two charts.

#include "shell/chart_widget.h"
#include "shell/error_guard.h"

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace strs {

class NumericField;

// A caption at (x, y): sized to its text, or `width` wide when width >= 0. With
// windowColour it is painted in the window colour, otherwise it shows its parent's.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int width = -1,
                  bool windowColour = true);

// The same for a label made by the caller (a label of a class of its own).
QLabel* PlaceLabel(QLabel* label, const char* name, const QString& text, int x, int y, int width = -1,
                   bool windowColour = true);

// A result label: fixed width, empty until the lab writes it; a screen reader reads it
// with its caption.
QLabel* MakeResultLabel(QWidget* parent, const char* name, int x, int y, const QLabel* caption);

// The page's bold, word-wrapped title.
QLabel* MakeTitle(QWidget* page, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment);

// The text of the title MakeTitle gave the page; empty for a page without one.
QString PageTitle(const QWidget& page);

// A numeric field holding its design-time text, written with a comma ("0,8") and shown
// with the locale's separator.
NumericField* MakeField(QWidget* parent, const char* name, const char* commaText, int x, int y, int width,
                        bool allowLoneMinus = false);

// What a field holds, for its accessible description (the unit and the range).
enum class Quantity { LawParameter, Correlation, Variance };

// The field's accessible name (what it holds) and description.
void DescribeField(NumericField* field, const QString& name, Quantity quantity);

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry,
                     bool windowColour);

// The page's «Обновить» button, at the same place on every page.
QPushButton* MakeRefreshButton(QWidget* page, const char* name);

// The «Графики» group on the right of a page.
QGroupBox* MakeChartGroup(QWidget* page, const char* name);

// A chart of the chart group, hidden until the first Refresh; top is 16 or 216.
ChartWidget* MakeChart(QGroupBox* group, const char* name, int top, const QStringList& title);

ChartSeries* AddLineSeries(ChartWidget* chart, const char* name, TColor colour);

// A slot that runs the page's handler inside the one error guard, so that no exception
// crosses the event loop.
template <typename Page>
auto Guarded(Page* page, void (Page::*handler)()) {
    return [page, handler] { RunGuarded(page, [page, handler] { (page->*handler)(); }); };
}

}  // namespace strs
