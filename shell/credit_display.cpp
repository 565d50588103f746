#include "shell/credit_display.h"

#include "shell/timings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace strs {

namespace {

constexpr int kCreditLeft = 500;
constexpr int kCreditTop = 300;
constexpr int kGreetingLeft = 25;
constexpr int kGreetingFromRight = 130;  // the right column starts this far left of the screen's edge
constexpr int kGreetingStep = 20;
constexpr int kGreetingLines = 51;  // tops 0, 20, ..., 1000

}  // namespace

QString CreditLine() { return QStringLiteral("STRS Workbench 2026"); }

QString CreditGreeting() { return QCoreApplication::translate("strs::CreditDisplay", "Здорово салаги!"); }

void PaintCreditTexts(QPainter& painter, int screenWidth) {
    painter.save();
    painter.setPen(QColor(255, 0, 0));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int ascent = QFontMetrics(painter.font(), painter.device()).ascent();
    // Positions name the text's top-left corner; Qt draws from the baseline.
    const auto textOut = [&](int left, int top, const QString& text) {
        painter.drawText(QPoint(left, top + ascent), text);
    };
    textOut(kCreditLeft, kCreditTop, CreditLine());
    const QString greeting = CreditGreeting();
    for (int i = 0; i < kGreetingLines; ++i) {
        textOut(kGreetingLeft, kGreetingStep * i, greeting);
        textOut(screenWidth - kGreetingFromRight, kGreetingStep * i, greeting);
    }
    painter.restore();
}

// ---- the overlay window

// A tool-tip window is the kind that every platform shows on top without a frame and
// without taking the activation from the main window, so the focused field keeps
// receiving the keys; the other flags say the same to window managers that look at them.
CreditOverlay::CreditOverlay(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                         | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    setObjectName(QStringLiteral("CreditOverlay"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Translucent from the start: a window cannot change this once it exists, and the
    // screen's picture, where there is one, is painted fully opaque anyway.
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CreditOverlay::present(const QRect& screenGeometry, const QPixmap& screenPicture) {
    screenPicture_ = screenPicture;
    setGeometry(screenGeometry);
    show();
    update();
}

void CreditOverlay::dismiss() {
    hide();
    screenPicture_ = QPixmap();
}

void CreditOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (screenPicture_.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        painter.drawPixmap(rect(), screenPicture_);
    }
    PaintCreditTexts(painter, width());
}

// ---- the display

CreditDisplay::CreditDisplay(QWidget* window)
    : QObject(window), window_(window), hideTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("CreditDisplay"));
    hideTimer_->setSingleShot(true);
    hideTimer_->setInterval(CurrentTimings().creditsMs);
    connect(hideTimer_, &QTimer::timeout, this, &CreditDisplay::hide);
    // The display is made inside the window's key preview, that is while the application
    // runs its event filters; a filter installed then would make it run the window's filter
    // a second time for the same key. So the filter goes in once the key has been handled.
    QMetaObject::invokeMethod(this, &CreditDisplay::watchInput, Qt::QueuedConnection);
}

CreditDisplay::~CreditDisplay() { qApp->removeEventFilter(this); }

void CreditDisplay::watchInput() {
    // Installed after the window's own filter, this one runs before it (the newest filter
    // runs first): a key that draws again first takes the old drawing away.
    qApp->installEventFilter(this);
}

bool CreditDisplay::feed(char32_t c) {
    if (!sequence_.feed(c))
        return false;
    draw();
    return true;
}

void CreditDisplay::draw() {
    ++drawCount_;
    if (overlay_ == nullptr)
        overlay_ = new CreditOverlay(window_);
    if (overlay_->isVisible()) {
        overlay_->update();  // drawn again over the same picture
    } else {
        QScreen* screen = window_->screen();
        overlay_->present(screen->geometry(), screenPicture(*screen));
    }
    hideTimer_->start();
}

QPixmap CreditDisplay::screenPicture(QScreen& screen) const {
    QPixmap picture = screen.grabWindow(0);
#ifdef Q_OS_WASM
    // The browser's platform grabs nothing and shows a window's transparent parts black:
    // the texts go over the window's own picture, on the page's colour around it, at the
    // screen's pixel ratio (the page scales it) so that the picture is the window's own.
    if (picture.isNull()) {
        const qreal ratio = screen.devicePixelRatio();
        picture = QPixmap(screen.geometry().size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(window_->palette().color(QPalette::Window));
        QPainter painter(&picture);
        painter.drawPixmap(window_->geometry().topLeft() - screen.geometry().topLeft(), window_->grab());
    }
#endif
    // Elsewhere without a grab (Wayland, offscreen) the picture is null and the overlay
    // stays transparent.
    return picture;
}

bool CreditDisplay::isShown() const { return overlay_ != nullptr && overlay_->isVisible(); }

void CreditDisplay::hide() {
    hideTimer_->stop();
    if (overlay_ != nullptr && overlay_->isVisible())
        overlay_->dismiss();
}

bool CreditDisplay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key goes first to the focus widget (or to a window when nothing has the focus)
        // and then on to the parents that the earlier ones let it pass to. Only the first
        // arrival counts: a key that draws again must not take its own drawing away.
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (widget != nullptr && (widget == focus || (focus == nullptr && widget->isWindow())))
            hide();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        hide();
        break;
    default:
        break;
    }
    return false;  // the input goes on to where it was meant to go
}

}  // namespace strs
