#include "app/main_window.h"
#include "shell/credit_display.h"

// The window's key press: every typed character passes through the hidden credit
// sequence before it goes on to the focused control, unchanged.
//
// The sequence's state, the overlay and the count of drawings belong to a
// CreditDisplay, a child object of the window made at the first typed character.

namespace strs {

namespace {

CreditDisplay* CreditsOf(const TForm1* window) {
    return window->findChild<CreditDisplay*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void TForm1::pr(QChar key) {
    CreditDisplay* credits = CreditsOf(this);
    if (credits == nullptr)
        credits = new CreditDisplay(this);  // owned by the window
    credits->feed(key.unicode());
}

int TForm1::creditDrawCount() const {
    const CreditDisplay* credits = CreditsOf(this);
    return credits != nullptr ? credits->drawCount() : 0;
}

}  // namespace strs
