#include "app/startup.h"

#include "app/main_window.h"
#include "app/page_fit.h"
#include "shell/splash_window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace strs {

std::unique_ptr<TForm1> ShowSplashThenCreateMainWindow(const StartupTrace& trace) {
    auto note = [&trace](const char* step) {
        if (trace)
            trace(step);
    };

    auto splash = std::make_unique<TForm2>();
    splash->show();
    KeepCentredInPage(*splash);
    splash->repaint();  // painted at once, before any event is handled
    note("splash shown");

    // Handle events until the splash timer has ticked; between events the thread sleeps.
    // Some Windows event dispatchers (Wine's) are not woken by a precise timer's event: a
    // coarse heartbeat wakes the wait now and then, so that the tick is handled in time.
#ifdef Q_OS_WASM
    // In the browser a wait hands control back to the page, which only an event loop of
    // its own does; the tick ends it.
    QEventLoop untilTick;
    QObject::connect(splash->Timer1, &QTimer::timeout, &untilTick, &QEventLoop::quit, Qt::QueuedConnection);
    if (splash->Timer1->isActive())
        untilTick.exec();
#else
    constexpr int kHeartbeatMs = 25;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::CoarseTimer);
    heartbeat.start(kHeartbeatMs);
    while (splash->Timer1->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
#endif
    note("splash ticked");

    auto mainWindow = std::make_unique<TForm1>();
    note("main window created");

    splash->hide();
    note("splash hidden");
    splash.reset();
    note("splash destroyed");
    return mainWindow;
}

}  // namespace strs
