#pragma once
// What a row of the variants table asks for, checked against the window: the page, the
// law or order, the fields of that page with numbers in them; and the results a page
// shows, found in each fresh window by name.

#include "app/scripting/replay_script.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace strs {
class TForm1;
}

namespace strs::replay {

// What a page that shows only charts reports of each series.
enum class Figure { First, Last, Smallest, Largest };

// An output column after the inputs: a result label, or one figure of a chart's series.
struct ResultColumn {
    int page = 0;
    QString heading;  // what the window shows beside the value
    QString name;     // the label's or the series' name, a second line under the heading
    QString chart;    // the series' chart; empty for a label
    std::size_t series = 0;
    Figure figure = Figure::First;
};

// What the window offers: the field names on each page, and the results each shows:
// its result labels, or where it has none, the figures of its charts' series.
class WindowMap {
public:
    explicit WindowMap(TForm1& window);

    std::optional<int> pageOfField(const QString& name) const;
    // The result columns of the pages marked (indexed by page number).
    std::vector<ResultColumn> columnsOn(const std::vector<bool>& pages) const;

private:
    void addSeriesColumns(int page, const QWidget& widget);

    std::map<QString, int> fieldPage_;
    std::vector<ResultColumn> columns_;
};

// The column's value as the variant's page shows it; empty for another page's column.
QString ValueOf(const ResultColumn& column, int page, const QWidget& window);

struct Variant {
    int row = 0;  // line number in the file
    int page = 0;
    QStringList cells;                // as read, numbers in the output's format
    std::vector<ScriptLine> actions;  // after the fresh start
};

// The row's variant, or what is wrong with it: "row 4, column E11: 'abc' is not a number".
struct VariantOrProblem {
    std::optional<Variant> variant;
    QString problem;
};
VariantOrProblem CheckVariant(int row, const QStringList& header, const QStringList& cells, const WindowMap& map);

}  // namespace strs::replay
