#include "shell/legend_panel.h"

#include "shell/pictures.h"
#include "shell/translations.h"

#include <QCursor>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

namespace strs {

QStringList LegendCaptions() {
    return {LegendPanel::tr("Наблюдения y"), LegendPanel::tr("Исходный сигнал x"),
            LegendPanel::tr("Оценки xx")};
}

namespace {

constexpr QSize kLegendSize(124, 43);  // the blank stand-in's size

}  // namespace

LegendPanel::LegendPanel(QWidget* chart, const QString& pictureName)
    : QFrame(chart), picture_(new QLabel(this)) {
    setFrameShape(QFrame::NoFrame);
    // A right press moves the panel like any other; it must not reach the chart below
    // as a request for the chart's menu, whose popup would take the release and leave
    // the move (and its mouse grab) running.
    setContextMenuPolicy(Qt::PreventContextMenu);

    const QImage legend =
        EmbeddedJpegOrBlank(LocalizedPicturePath(QStringLiteral("legend")), kLegendSize, DisplayPixelRatio());
    const QSize size = legend.deviceIndependentSize().toSize();
    picture_->setObjectName(pictureName);
    picture_->setPixmap(QPixmap::fromImage(legend));
    picture_->setFixedSize(size);
    picture_->move(0, 0);
    picture_->setContextMenuPolicy(Qt::PreventContextMenu);
    picture_->installEventFilter(this);

    setFixedSize(size);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Легенда"));
    const QStringList lines = LegendCaptions();
    picture_->setAccessibleName(tr("Легенда: %1").arg(lines.join(QStringLiteral(", "))));
    setAccessibleDescription(tr("Красная линия: %1, зелёная: %2, синяя: %3. Стрелки передвигают легенду")
                                 .arg(lines[0], lines[1], lines[2]));
}

void LegendPanel::startMove() {
    if (moving_)
        return;
    moving_ = true;
    grabOffset_ = mapFromGlobal(QCursor::pos());
    grabMouse();
}

void LegendPanel::followMouse(const QPoint& globalPosition) {
    if (parentWidget() != nullptr)
        placeInChart(parentWidget()->mapFromGlobal(globalPosition) - grabOffset_);
}

void LegendPanel::placeInChart(QPoint wanted) {
    QWidget* chart = parentWidget();
    if (chart == nullptr)
        return;
    const int maxX = std::max(chart->width() - width(), 0);
    const int maxY = std::max(chart->height() - height(), 0);
    move(std::clamp(wanted.x(), 0, maxX), std::clamp(wanted.y(), 0, maxY));
}

void LegendPanel::endMove() {
    moving_ = false;
    releaseMouse();
}

bool LegendPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_)
        return QFrame::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!moving_)
            emit picturePressed();
        return true;  // the panel must not see it as its own press
    case QEvent::MouseMove:
        if (moving_) {
            followMouse(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (moving_) {
            releaseButton(*static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

void LegendPanel::mousePressEvent(QMouseEvent* event) {
    if (!moving_)
        emit panelPressed();
    event->accept();
}

void LegendPanel::mouseMoveEvent(QMouseEvent* event) {
    if (moving_)
        followMouse(event->globalPosition().toPoint());
    event->accept();
}

void LegendPanel::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint by;
    switch (event->key()) {
    case Qt::Key_Left:
        by = {-step, 0};
        break;
    case Qt::Key_Right:
        by = {step, 0};
        break;
    case Qt::Key_Up:
        by = {0, -step};
        break;
    case Qt::Key_Down:
        by = {0, step};
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    placeInChart(pos() + by);
    event->accept();
}

void LegendPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (moving_)
        releaseButton(*event);
    event->accept();
}

void LegendPanel::releaseButton(const QMouseEvent& event) {
    // The move ends when the last held button comes up, whichever went down first.
    if (event.buttons() == Qt::NoButton)
        endMove();
}

void LegendPanel::hideEvent(QHideEvent* event) {
    if (moving_)
        endMove();  // a hidden panel must not keep the mouse
    QFrame::hideEvent(event);
}

}  // namespace strs
