#pragma once
// Page switching from the keyboard, anywhere in the window: Ctrl+1 to Ctrl+4 show that
// page, Ctrl+Tab and Ctrl+Shift+Tab the next and the previous one (round the end). The
// keyboard focus goes to the shown page's first control.

class QTabWidget;

namespace strs {

void OfferPageKeys(QTabWidget& pages);

}  // namespace strs
