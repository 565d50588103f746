#pragma once
// A visible frame around whichever control of a window has the keyboard focus, the same
// for every kind of control, so that a keyboard user always sees where the keys go.

#include <QPointer>
#include <QWidget>

namespace strs {

class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // Frames the focused controls of `window`; owned by it.
    explicit FocusFrame(QWidget* window);

    // The control framed now; nullptr when none of the window's controls has the focus.
    QWidget* framed() const { return target_; }

    static constexpr int kWidth = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);
    // Lies around the target, in front of it and its siblings.
    void place();

    QWidget* window_;
    QPointer<QWidget> target_;
};

}  // namespace strs
