#pragma once
// Our own small chart: a titled white panel with self-scaling left and bottom axes,
// grid and tick labels, and line or bar series whose points carry their own colours.

#include "shell/colours.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;

namespace strs {

class ChartWidget;

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
    const QString& name() const { return name_; }
    Kind kind() const { return kind_; }
    TColor colour() const { return colour_; }

private:
    void append(double y, TColor colour);

    ChartWidget& chart_;
    QString name_;
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

    // Draws the whole chart (panel, title, axes, grid, series) into rect.
    // Serves both the screen and the saved picture.
    void paint(QPainter& painter, const QRect& rect) const;

    // The chart alone, at its own size; child widgets are not in the picture.
    QImage renderImage() const;

    QSize sizeHint() const override { return {409, 209}; }

signals:
    // A context-menu request on the chart (right click or the menu key).
    void contextMenuRequested(strs::ChartWidget* chart);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QStringList title_;
    bool bottomLabelsVisible_ = true;
    int bottomMarginPercent_ = 0;
    std::vector<std::unique_ptr<ChartSeries>> series_;
};

}  // namespace strs
