#pragma once
// Program start-up: the splash window for one timer interval, then the main window.

#include <functional>
#include <memory>

namespace strs {

class TForm1;

// Observer of the start-up steps ("splash shown", "splash ticked", "main window created",
// "splash hidden", "splash destroyed"), for tests.
using StartupTrace = std::function<void(const char* step)>;

// Shows the splash, waits for its single tick while handling events (blocking, not
// spinning), creates the main window hidden, then hides and destroys the splash.
// The caller shows the returned window and runs the event loop.
std::unique_ptr<TForm1> ShowSplashThenCreateMainWindow(const StartupTrace& trace = {});

}  // namespace strs
