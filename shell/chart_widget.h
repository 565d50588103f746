#pragma once
// Our own small chart: a titled white panel with self-scaling left and bottom axes,
// grid and tick labels, and line or bar series whose points carry their own colours.

#include "matematic/axis_ticks.h"
#include "shell/colours.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace strs {

class ChartWidget;

// Edge k of count equal bins of [bins.first, bins.second]: edge 0 is the first, edge
// count the second (lo + (hi - lo) * (k / count)).
inline double BinEdge(std::pair<double, double> bins, std::size_t k, std::size_t count) {
    return bins.first + (bins.second - bins.first) * (double(k) / double(count));
}

struct ChartPoint {
    double x;  // the number of points the series held before this one
    double y;
    TColor colour;  // a line segment is drawn in the colour of the point it leads to
};

// One series of a chart. Owned by its chart; every change repaints the chart.
class ChartSeries {
public:
    enum class Kind { Line, Bar };

    ChartSeries(ChartWidget& chart, QString name, Kind kind, TColor colour);

    void clear();
    void appendValue(double y, TColor colour);  // line series
    void appendBar(double y, TColor colour);    // bar series

    const std::vector<ChartPoint>& points() const { return points_; }
    // The smallest and the largest y; requires a point.
    std::pair<double, double> valueRange() const;
    const QString& name() const { return name_; }
    // The series' name in the chart's legend picture and in exported data; the chart's
    // title when the series has none of its own.
    QString legendName() const;
    void setLegendName(const QString& name) { legendName_ = name; }
    Kind kind() const { return kind_; }
    TColor colour() const { return colour_; }

private:
    void append(double y, TColor colour);

    ChartWidget& chart_;
    QString name_;
    QString legendName_;
    Kind kind_;
    TColor colour_;
    std::vector<ChartPoint> points_;
};

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    ChartSeries* addSeries(const QString& name, ChartSeries::Kind kind, TColor colour);
    const std::vector<std::unique_ptr<ChartSeries>>& allSeries() const { return series_; }

    void setTitleLines(const QStringList& lines);
    const QStringList& titleLines() const { return title_; }

    // The histogram chart hides its bottom tick labels and keeps a 7 % bottom margin.
    void setBottomLabelsVisible(bool visible);
    void setBottomMarginPercent(int percent);
    // Rows at the chart's bottom that another widget covers: the plot area and its
    // bottom labels stay above them.
    void setCoveredBottomRows(int rows);

    // Draws the whole chart (panel, title, axes, grid, series) into rect.
    // Serves both the screen and the saved picture.
    void paint(QPainter& painter, const QRect& rect) const;

    // The chart alone, at its own size; child widgets are not in the picture.
    QImage renderImage() const;
    QSize pictureSize() const;

    // The bars of a bar series stand for equal bins of [lo, hi], bar 0 first; the
    // read-out and the exported data then name a bar by its bin instead of its index.
    void setBarBins(double lo, double hi);
    std::optional<std::pair<double, double>> barBins() const { return barBins_; }

    // The read-out shown under the mouse or moved by the arrow keys: the point index
    // (or the bar's bin) and the value of every series there; empty when none is shown.
    QString readoutText() const;
    QSize sizeHint() const override { return {409, 209}; }

signals:
    // A context-menu request on the chart (right click or the menu key).
    void contextMenuRequested(strs::ChartWidget* chart);
    // The menu key or Shift+F10 while the chart has the keyboard focus.
    void menuKeyPressed(strs::ChartWidget* chart);
    // The title, a series or a margin changed, and with them the chart's picture.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where the last screen paint put the plot area and which ranges its axes show.
    struct PlotGeometry {
        QRect plot;
        AxisRange x;
        AxisRange y;
    };
    PlotGeometry paintChart(QPainter& painter, const QRect& rect) const;

    std::size_t longestSeries() const;
    void showReadoutAt(std::optional<std::size_t> index);
    void paintReadout(QPainter& painter) const;

    PlotGeometry geometry_;
    std::optional<std::size_t> readout_;  // the point index the read-out shows
    std::optional<std::pair<double, double>> barBins_;

    friend class ChartSeries;
    void changed();

    QStringList title_;
    bool bottomLabelsVisible_ = true;
    int bottomMarginPercent_ = 0;
    int coveredBottomRows_ = 0;
    std::vector<std::unique_ptr<ChartSeries>> series_;
};

}  // namespace strs
