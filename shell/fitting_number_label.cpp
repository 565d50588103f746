#include "shell/fitting_number_label.h"

#include "shell/number_text.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace strs {

FittingNumberLabel::FittingNumberLabel(QWidget* parent) : QLabel(parent) {}

QString FittingNumberLabel::shownText() const {
    const QString whole = text();
    const QFontMetrics metrics(font());
    // Only what the parent does not clip counts.
    int room = contentsRect().width();
    if (const QWidget* parent = parentWidget())
        room = std::min(room, parent->width() - x() - contentsRect().left());
    double value = 0.0;
    if (metrics.horizontalAdvance(whole) <= room || !TryStrToFloat(whole, value))
        return whole;
    QString shorter;
    for (int digits = kLabelDigits - 1; digits >= 1; --digits) {
        shorter = FloatToStr(value, digits);
        if (metrics.horizontalAdvance(shorter) <= room)
            break;
    }
    return shorter;
}

void FittingNumberLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), shownText());
}

bool FittingNumberLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // The whole number where the label shows it shortened.
        const QString whole = text();
        if (shownText() != whole)
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), whole, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

}  // namespace strs
