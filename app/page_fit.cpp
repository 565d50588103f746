#include "app/page_fit.h"

#include <QtGlobal>

#ifdef Q_OS_WASM
#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <emscripten.h>

#include <algorithm>

namespace {

// The frame's middle on the screen's middle; a frame larger than the screen starts at
// its top-left corner, so that the title bar stays reachable.
void Centre(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

EM_JS(void, TellPageWindowSize, (int width, int height), {
    globalThis.strsWindowSize = {width: width, height: height};
    globalThis.strsPageRepaint = function() { _strs_page_repaint(); };
    globalThis.dispatchEvent(new CustomEvent("strs-window-size", {detail: globalThis.strsWindowSize}));
});

}  // namespace

// The page has changed the pixel ratio: every window painted afresh (a part painted at
// the old ratio would be scaled).
extern "C" EMSCRIPTEN_KEEPALIVE void strs_page_repaint() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->update();
}

void strs::KeepCentredInPage(QWidget& window) {
    Centre(window);
    if (QScreen* screen = window.screen())
        QObject::connect(screen, &QScreen::geometryChanged, &window, [&window] { Centre(window); });
}

void strs::FitPageToWindow(const QWidget& window) {
    // Its fixed size: shown full screen, as every main window there, it has the screen's.
    TellPageWindowSize(window.minimumWidth(), window.minimumHeight());
}
#else
void strs::KeepCentredInPage(QWidget&) {}
void strs::FitPageToWindow(const QWidget&) {}
#endif
