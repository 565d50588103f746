#pragma once
// The picture a chart's Save would write (the chart alone, at its own size), scaled to
// fit this widget; it follows every change of the chart.

#include "shell/chart_widget.h"

#include <QPointer>
#include <QWidget>

namespace strs {

class ChartPreview : public QWidget {
    Q_OBJECT
public:
    explicit ChartPreview(QWidget* parent = nullptr);

    // nullptr shows an empty frame.
    void setChart(const ChartWidget* chart);
    const ChartWidget* chart() const { return chart_; }

    // Where the picture lies inside the widget: as large as fits, in the chart's proportions.
    QRect pictureRect() const;

    QSize sizeHint() const override { return {230, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<const ChartWidget> chart_;
    QMetaObject::Connection changes_;
};

}  // namespace strs
