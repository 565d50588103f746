#include "app/startup.h"

#include "app/main_window.h"
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
    splash->repaint();  // painted at once, before any event is handled
    note("splash shown");

    // Handle events until the splash timer has ticked; between events the thread sleeps.
    while (splash->Timer1->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
