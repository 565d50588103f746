#include "shell/chart_svg.h"

#include "shell/chart_widget.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace strs {

QByteArray ChartSvg(const ChartWidget& chart)
{
    const QSize size = chart.pictureSize();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);

    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(chart.titleLines().join(u' '));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    chart.paint(painter, QRect(QPoint(0, 0), size));
    painter.end();
    return data;
}

}  // namespace strs
