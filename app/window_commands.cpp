#include "app/window_commands.h"

#include "shell/accessibility.h"
#include "shell/error_guard.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace strs {

WindowCommands::WindowCommands(QWidget& window, QTabWidget& pages)
    : QObject(&window), window_(window), menu_(new QMenu(&window)), button_(new QToolButton(&pages)) {
    setObjectName(QStringLiteral("WindowCommands"));
    menu_->setObjectName(QStringLiteral("WindowMenu"));
    button_->setObjectName(QStringLiteral("WindowMenuButton"));
    button_->setText(tr("Сеанс"));
    button_->setMenu(menu_);
    button_->setPopupMode(QToolButton::InstantPopup);
    button_->setAutoRaise(true);
    Describe(button_, tr("Сеанс и отчёт"), tr("Сохранить и открыть сеанс, отчёт, ответы по вариантам"));
    pages.setCornerWidget(button_, Qt::TopRightCorner);
}

QAction* WindowCommands::add(const QString& text, const QString& objectName, const QKeySequence& shortcut,
                             std::function<void()> command) {
    auto* action = new QAction(text, &window_);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    // A command runs once the menu it was chosen from has closed: its dialogs must not open
    // inside the menu's own event loop, which the browser cannot hold beside a second one.
    connect(
        action, &QAction::triggered, this, [this, command = std::move(command)] { RunGuarded(&window_, command); },
        Qt::QueuedConnection);
    window_.addAction(action);
    menu_->addAction(action);
    return action;
}

}  // namespace strs
