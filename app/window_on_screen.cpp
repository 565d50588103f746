#include "app/window_on_screen.h"

#include "core/window_placement.h"

#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace strs {

void KeepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
    if (frame == window.geometry())
        frame.setTop(frame.top() - window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect area = screen->availableGeometry();
    const ScreenPoint at = PlaceOnScreen({frame.x(), frame.y(), frame.width(), frame.height()},
                                         {area.x(), area.y(), area.width(), area.height()});
    const QPoint shift(at.x - frame.x(), at.y - frame.y());
    if (!shift.isNull())
        window.move(window.pos() + shift);
}

}  // namespace strs
