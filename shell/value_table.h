#pragma once
// «Таблица значений»: a window with a table of every value a chart shows, one row a point
// and one column a series, that a screen reader can walk cell by cell.

#include <QWidget>

class QTableWidget;

namespace strs {

class ChartWidget;

class ValueTableWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own, owned by `owner` and deleted when closed; Esc closes it.
    ValueTableWindow(const ChartWidget& chart, QWidget* owner);

    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
};

// Shows a new table of the chart's values as they are now.
ValueTableWindow* ShowValueTable(const ChartWidget& chart, QWidget* owner);

}  // namespace strs
