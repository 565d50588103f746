#include "shell/chart_preview.h"

#include "shell/chart_widget.h"

#include <QImage>
#include <QPainter>

namespace strs {

ChartPreview::ChartPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ChartPreview"));
    setMinimumSize(160, 90);
}

void ChartPreview::setChart(const ChartWidget* chart) {
    disconnect(changes_);
    chart_ = chart;
    if (chart != nullptr)
        changes_ = connect(chart, &ChartWidget::pictureChanged, this, qOverload<>(&QWidget::update));
    update();
}

QRect ChartPreview::pictureRect() const {
    const QSize picture = chart_ != nullptr ? chart_->pictureSize() : QSize(409, 209);
    const QRect room = rect().adjusted(1, 1, -1, -1);
    QSize fitted = picture.scaled(room.size(), Qt::KeepAspectRatio);
    QRect placed(QPoint(0, 0), fitted);
    placed.moveCenter(room.center());
    return placed;
}

void ChartPreview::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect target = pictureRect();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
    if (chart_ == nullptr)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, chart_->renderImage());
}

}  // namespace strs
