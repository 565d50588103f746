#pragma once
// The hidden credits: a red credit line and two columns of a greeting drawn over the
// whole screen when the key sequence completes.
//
// A Linux desktop lets no program draw straight onto the screen, so the credits are
// shown in a frameless top-most window that covers the screen with the picture the
// screen had at that moment (or stays transparent where the screen cannot be grabbed).
// Like text drawn onto the screen, it is not kept: it goes at the next key or mouse
// press the program receives, or after a few seconds. It never takes the focus and
// lets all input through.
//
// One CreditDisplay belongs to each main window, as its child object; it holds the
// key-sequence state, the overlay and the number of times the credits were drawn.

#include "core/key_sequence.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class QPainter;
class QScreen;
class QTimer;

namespace strs {

// The credit line, 19 characters.
QString CreditLine();
// The greeting of the two columns, 15 characters.
QString CreditGreeting();

// Draws the credit texts in red with a transparent background and the painter's
// font, each text with its top-left corner at its position: the credit line at
// (500, 300), the greeting at (25, 20·i) and (screenWidth − 130, 20·i), i = 0 to 50.
void PaintCreditTexts(QPainter& painter, int screenWidth);

// The window that covers the screen while the credits are shown.
class CreditOverlay : public QWidget {
    Q_OBJECT
public:
    explicit CreditOverlay(QWidget* owner);

    // Covers the screen: over its picture when one is given, transparent otherwise.
    void present(const QRect& screenGeometry, const QPixmap& screenPicture);
    bool showsScreenPicture() const { return !screenPicture_.isNull(); }
    // Hides the window and lets the picture go.
    void dismiss();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap screenPicture_;
};

class CreditDisplay : public QObject {
    Q_OBJECT
public:
    // window: the main window; the display is its child and lives as long as it.
    explicit CreditDisplay(QWidget* window);
    ~CreditDisplay() override;

    // One typed character; draws when it completes the sequence. Returns true when drawn.
    bool feed(char32_t c);
    // Shows the credits (again, if they are shown already).
    void draw();

    int drawCount() const { return drawCount_; }
    int sequenceState() const { return sequence_.state(); }
    // The overlay window; null until the credits are first drawn.
    CreditOverlay* overlay() const { return overlay_; }
    bool isShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchInput();
    void hide();
    // What the credits are drawn over: the screen as it is now.
    QPixmap screenPicture(QScreen& screen) const;

    QWidget* window_;
    KeySequence sequence_;
    int drawCount_ = 0;
    QPointer<CreditOverlay> overlay_;
    QTimer* hideTimer_;
};

}  // namespace strs
