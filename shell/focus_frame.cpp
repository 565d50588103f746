#include "shell/focus_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace strs {

FocusFrame::FocusFrame(QWidget* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusFrame::follow(QWidget* focused) {
    if (target_)
        target_->removeEventFilter(this);
    const bool ours = focused != nullptr && focused != window_ && focused->window() == window_
                      && focused->parentWidget() != nullptr;
    target_ = ours ? focused : nullptr;
    if (!target_) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    place();
}

void FocusFrame::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    if (parentWidget() != target_->parentWidget())
        setParent(target_->parentWidget());
    setGeometry(target_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    raise();
    // Not show(): where windows open full screen (the browser), show() also activates the
    // widget's window, and with a dialog up that window hands the activation back to the
    // dialog, whose focus change frames the window's control again: the page loops for ever.
    setVisible(true);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double half = kWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace strs
