#pragma once
// The main window kept on its screen: its design position where the whole frame fits
// the screen's available area, otherwise the least move that makes it fit.

class QWidget;

namespace strs {

// For a window just shown; a frame the window system has not reported yet counts with
// a title bar of the style's height.
void KeepOnScreen(QWidget& window);

}  // namespace strs
