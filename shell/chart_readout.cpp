// The chart's read-out: the values of every series at one point, shown on the screen
// under the mouse or moved by the arrow keys. It is not part of the chart's saved
// pictures, which paint() draws without it.

#include "shell/chart_widget.h"

#include "shell/number_text.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace strs {

namespace {

constexpr int kReadoutPadding = 3;
constexpr int kMarkerRadius = 3;
constexpr int kPageStep = 10;  // points moved by Page Up / Page Down

}  // namespace

void ChartWidget::setBarBins(double lo, double hi) {
    barBins_ = std::make_pair(lo, hi);
    update();
}

std::size_t ChartWidget::longestSeries() const {
    std::size_t longest = 0;
    for (const auto& s : series_)
        longest = std::max(longest, s->points().size());
    return longest;
}

QString ChartWidget::readoutText() const {
    if (!readout_)
        return {};
    const std::size_t index = *readout_;
    QStringList lines;
    const bool bars = std::any_of(series_.begin(), series_.end(),
                                  [](const auto& s) { return s->kind() == ChartSeries::Kind::Bar; });
    if (bars && barBins_) {
        // Bar k of n stands for the bin from edge k to edge k + 1.
        const std::size_t count = std::max<std::size_t>(longestSeries(), 1);
        lines << QStringLiteral("%1 … %2").arg(FloatToStr(BinEdge(*barBins_, index, count)),
                                                FloatToStr(BinEdge(*barBins_, index + 1, count)));
    } else {
        lines << QStringLiteral("i = %1").arg(index);
    }
    for (const auto& s : series_) {
        if (index < s->points().size())
            lines << QStringLiteral("%1: %2").arg(s->legendName(), FloatToStr(s->points()[index].y));
    }
    return lines.join(u'\n');
}

void ChartWidget::showReadoutAt(std::optional<std::size_t> index) {
    if (index == readout_)
        return;
    readout_ = index;
    update();
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const std::size_t longest = longestSeries();
    const QRect& plot = geometry_.plot;
    if (longest == 0 || plot.width() <= 0) {
        showReadoutAt(std::nullopt);
    } else {
        // The pixel back to an x value, then the nearest point (x is the point's index).
        const double share = (event->position().x() - plot.left()) / plot.width();
        const double x = double(geometry_.x.lo) + share * double(geometry_.x.span());
        const double nearest = std::clamp(std::round(x), 0.0, double(longest - 1));
        showReadoutAt(std::size_t(nearest));
    }
    QWidget::mouseMoveEvent(event);
}

void ChartWidget::leaveEvent(QEvent* event) {
    showReadoutAt(std::nullopt);
    QWidget::leaveEvent(event);
}

void ChartWidget::focusOutEvent(QFocusEvent* event) {
    showReadoutAt(std::nullopt);
    QWidget::focusOutEvent(event);
}

bool ChartWidget::event(QEvent* event) {
    // A dialog or error box takes the pointer and the keys: while it blocks the window, the
    // chart hears of no leave, so a read-out would outlast the pointer.
    if (event->type() == QEvent::WindowDeactivate)
        showReadoutAt(std::nullopt);
    return QWidget::event(event);
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        emit menuKeyPressed(this);
        event->accept();
        return;
    }
    const std::size_t longest = longestSeries();
    const long last = long(longest) - 1;
    const long now = readout_ ? long(*readout_) : -1;
    long next = 0;
    switch (key) {
    case Qt::Key_Left:
        next = now < 0 ? 0 : now - 1;
        break;
    case Qt::Key_Right:
        next = now + 1;
        break;
    case Qt::Key_PageUp:
        next = now - kPageStep;
        break;
    case Qt::Key_PageDown:
        next = now + kPageStep;
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = last;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (longest > 0)
        showReadoutAt(std::size_t(std::clamp(next, 0L, last)));
    event->accept();
}

void ChartWidget::paintReadout(QPainter& painter) const {
    if (!readout_ || geometry_.plot.width() <= 0)
        return;
    const std::size_t index = *readout_;
    const QRect& plot = geometry_.plot;
    const AxisMap mapX(geometry_.x, plot.left(), plot.left() + plot.width());
    const AxisMap mapY(geometry_.y, plot.top() + plot.height(), plot.top());
    const qreal px = mapX(AxisValue(index));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
    painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
    for (const auto& s : series_) {
        if (index >= s->points().size() || !std::isfinite(s->points()[index].y))
            continue;
        const QColor colour = ToQColor(s->points()[index].colour);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(px, mapY(s->points()[index].y)), kMarkerRadius, kMarkerRadius);
    }

    // The text box sits in a corner of the plot, away from the point and clear of the
    // controls that lie on the chart (a legend panel, the histogram's scale).
    const QString text = readoutText();
    const QFontMetrics metrics(font());
    QRect box = metrics.boundingRect(QRect(0, 0, width(), height()), Qt::AlignLeft | Qt::AlignTop, text);
    box.adjust(-kReadoutPadding, -kReadoutPadding, kReadoutPadding, kReadoutPadding);
    box.moveTo(0, 0);
    const QRect inner = plot.adjusted(2, 2, -2, -2);
    const bool pointOnLeft = px < plot.center().x();
    const QPoint nearTop(0, inner.top());
    const QPoint nearBottom(0, inner.bottom() - box.height() + 1);
    const int awayX = pointOnLeft ? inner.right() - box.width() + 1 : inner.left();
    const int besideX = pointOnLeft ? inner.left() : inner.right() - box.width() + 1;
    const QPoint corners[] = {
        {awayX, nearTop.y()}, {awayX, nearBottom.y()}, {besideX, nearTop.y()}, {besideX, nearBottom.y()}};
    box.moveTopLeft(corners[0]);
    for (const QPoint& corner : corners) {
        const QRect candidate(corner, box.size());
        const bool covered = std::any_of(children().begin(), children().end(), [&](const QObject* child) {
            const auto* widget = qobject_cast<const QWidget*>(child);
            return widget != nullptr && widget->isVisible() && widget->geometry().intersects(candidate);
        });
        if (!covered) {
            box = candidate;
            break;
        }
    }
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(kReadoutPadding, kReadoutPadding, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     text);
    painter.restore();
}

}  // namespace strs
