#include "app/page_keys.h"

#include <QKeySequence>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>

#include <functional>

namespace strs {

namespace {

// An item of a radio group that Tab passes over: it enters the group at the checked one.
bool UncheckedRadioItem(const QWidget* w) {
    const auto* radio = qobject_cast<const QRadioButton*>(w);
    return radio != nullptr && radio->autoExclusive() && !radio->isChecked();
}

// The first control of the page that Tab would reach.
void FocusFirstControl(QWidget& page) {
    for (QWidget* w = page.nextInFocusChain(); w != &page; w = w->nextInFocusChain()) {
        if (page.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&page)
            && w->isEnabled() && !UncheckedRadioItem(w)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void Show(QTabWidget& pages, int index) {
    const int count = pages.count();
    pages.setCurrentIndex((index % count + count) % count);
    FocusFirstControl(*pages.currentWidget());
}

void OnKey(QTabWidget& pages, const QKeySequence& keys, const std::function<int()>& target) {
    auto* shortcut = new QShortcut(keys, &pages);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &pages, [&pages, target] { Show(pages, target()); });
}

}  // namespace

void OfferPageKeys(QTabWidget& pages) {
    for (int i = 0; i < pages.count() && i < 9; ++i)
        OnKey(pages, QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), [i] { return i; });
    OnKey(pages, QKeySequence(Qt::CTRL | Qt::Key_Tab), [&pages] { return pages.currentIndex() + 1; });
    OnKey(pages, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          [&pages] { return pages.currentIndex() - 1; });
    OnKey(pages, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          [&pages] { return pages.currentIndex() - 1; });
}

}  // namespace strs
