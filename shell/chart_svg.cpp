#include "shell/chart_svg.h"

#include "shell/chart_widget.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QString>
#include <QSvgGenerator>

namespace strs {

QByteArray ChartSvg(const ChartWidget& chart) {
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

    // The generator gives the size in millimetres, which viewers turn back into pixels
    // at different resolutions (90 or 96 dpi); in plain pixels it is the chart's size
    // everywhere.
    static const QRegularExpression millimetres(
        QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
    QString text = QString::fromUtf8(data);
    text.replace(millimetres,
                 QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()));
    return text.toUtf8();
}

}  // namespace strs
