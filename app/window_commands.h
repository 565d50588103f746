#pragma once
// Commands of the whole window (a session, a report): the items of a menu that a button
// at the right end of the tab bar opens, each with its shortcut. The pages keep their
// layout, and the charts' menu keeps to the chart.

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QTabWidget;
class QToolButton;
class QWidget;

namespace strs {

class WindowCommands : public QObject {
    Q_OBJECT
public:
    WindowCommands(QWidget& window, QTabWidget& pages);

    // Runs command in the error guard when chosen or when its shortcut is pressed
    // anywhere in the window.
    QAction* add(const QString& text, const QString& objectName, const QKeySequence& shortcut,
                 std::function<void()> command);

    QMenu& menu() const { return *menu_; }
    QToolButton& button() const { return *button_; }

private:
    QWidget& window_;
    QMenu* menu_;
    QToolButton* button_;
};

}  // namespace strs
