#pragma once
// The browser edition's window in its page. There a main window fills the program's screen,
// the canvas; the page makes the canvas the main window's size and scales it as a whole to
// fit the viewport (install/web/fit.js). The splash stays in the middle of that screen.
// Elsewhere this does nothing.

class QWidget;

namespace strs {

// The window stays centred on its screen: now (it is shown) and whenever the screen
// changes size.
void KeepCentredInPage(QWidget& window);

// The page learns the main window's fixed size, which it makes its screen's, and may ask
// for every window to be painted afresh at a new pixel ratio.
void FitPageToWindow(const QWidget& window);

}  // namespace strs
