#include "shell/chart_svg.h"

#include "shell/chart_widget.h"
#include "shell/svg_drawing.h"

#include <QPainter>

namespace strs {

QByteArray ChartSvg(const ChartWidget& chart) {
    const QSize size = chart.pictureSize();
    SvgDrawing drawing(size);
    drawing.setTitle(chart.titleLines().join(u' '));
    QPainter painter;
    if (!painter.begin(&drawing))
        return {};
    chart.paint(painter, QRect(QPoint(0, 0), size));
    if (!painter.end())
        return {};
    return drawing.document();
}

}  // namespace strs
