#pragma once
// The main window: a fixed-size window whose client area is a tab control with one page
// for each of the four labs. It composes the pages with what they share: the charts'
// save menu, the hidden credit sequence typed anywhere in the window, and the error guard
// every page's handlers run in.

#include <QKeySequence>
#include <QWidget>

#include <functional>

class QAction;

namespace strs {

class ChartSaving;
class WindowCommands;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    static constexpr int kClientWidth = 693;
    static constexpr int kClientHeight = 479;

    // How many times the hidden credit display has been drawn since the window was made.
    int creditDrawCount() const;

    // The charts' «Сохранить» command, for a test to choose the file without a dialog.
    ChartSaving& chartSaving() const { return *saving_; }

    // A command of the whole window (WindowCommands): the first one adds the window's
    // menu button to the tab bar.
    QAction* addWindowCommand(const QString& text, const QString& objectName, const QKeySequence& shortcut,
                              std::function<void()> command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shown, the window is kept on its screen: at 150 or 200 % (or on a small screen) the
    // design position may not fit, and the windows placed over it are placed as it is.
    void showEvent(QShowEvent* event) override;

private:
    // Window key press (the hidden credit sequence), seen before the focused control.
    void pr(QChar key);

    ChartSaving* saving_ = nullptr;
    WindowCommands* commands_ = nullptr;  // made by the first window command
};

}  // namespace strs
