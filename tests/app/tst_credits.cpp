// The hidden credits: typed into the real window, drawn over the screen, gone again
// at the next key, click or after a few seconds.

#include "app/main_window.h"
#include "shell/credit_display.h"
#include "shell/timings.h"
#include "support/components.h"
#include "support/error_recorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using strs::CreditDisplay;
using strs::TForm1;
using namespace strs::testing;

namespace {

// Pixels the credit texts leave: red of any coverage, nothing else.
bool IsInk(QRgb pixel) { return qAlpha(pixel) > 0; }

int InkIn(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += IsInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QImage PaintedTexts(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    strs::PaintCreditTexts(painter, width);
    return image;
}

// Types one character the way a Russian keyboard layout delivers it.
void TypeRussian(QWidget* widget, char16_t letter) {
    const QChar c(letter);
    QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                        Qt::NoModifier);
}

}  // namespace

class CreditsTest : public QObject {
    Q_OBJECT
    static constexpr int kCreditsMs = 300;  // shortened for one test
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QCOMPARE(strs::CurrentTimings().creditsMs, 4000);  // the program's own time
    }

    void textsHaveTheirLengths() {
        QCOMPARE(strs::CreditLine().size(), 19);
        QCOMPARE(strs::CreditGreeting(), QStringLiteral("Здорово салаги!"));
        QCOMPARE(strs::CreditGreeting().size(), 15);
    }

    void textsArePaintedRedAtTheirTopLeftCorners() {
        const int width = 1280;
        const QImage image = PaintedTexts(width, 1100);
        const int lineHeight = QFontMetrics(QFont(), &image).height();
        QVERIFY(lineHeight < 20);  // the lines of a column do not overlap

        // Red only, on a background left as it was (transparent here).
        bool opaqueRed = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!IsInk(pixel))
                    continue;
                QCOMPARE(qGreen(pixel), 0);
                QCOMPARE(qBlue(pixel), 0);
                QVERIFY(qRed(pixel) > 0);
                opaqueRed = opaqueRed || pixel == qRgb(255, 0, 0);
            }
        }
        QVERIFY(opaqueRed);

        // The credit line hangs below (500, 300) and starts to its right.
        QVERIFY(InkIn(image, QRect(500, 300, 250, lineHeight)) > 50);
        QCOMPARE(InkIn(image, QRect(400, 260, 500, 40)), 0);
        QCOMPARE(InkIn(image, QRect(400, 300, 100, 40)), 0);

        // 51 greetings in each column, at the tops 0, 20, ..., 1000.
        for (int i = 0; i <= 50; ++i) {
            QVERIFY2(InkIn(image, QRect(25, 20 * i, 105, 20)) > 30, qPrintable(QString::number(i)));
            QVERIFY2(InkIn(image, QRect(width - 130, 20 * i, 130, 20)) > 30, qPrintable(QString::number(i)));
        }
        QCOMPARE(InkIn(image, QRect(0, 1020, width, 80)), 0);  // no 52nd line
        QCOMPARE(InkIn(image, QRect(0, 0, 25, 1100)), 0);
        QCOMPARE(InkIn(image, QRect(width - 140, 0, 10, 1100)), 0);
        // The first line's letters start at the very top, not above it.
        QVERIFY(InkIn(image, QRect(25, 0, 105, 8)) > 0);
    }

    void rightColumnFollowsTheScreenWidth() {
        const QImage image = PaintedTexts(1000, 100);
        QVERIFY(InkIn(image, QRect(870, 0, 130, 20)) > 30);
        QCOMPARE(InkIn(image, QRect(700, 0, 170, 100)), 0);
    }

    void aboutTypedIntoAFieldDrawsAndReachesTheField() {
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        Focus(w, Field(w, "E21"));
        QCOMPARE(Field(w, "E21")->text(), QStringLiteral("0,8"));

        QTest::keyClicks(Field(w, "E21"), QStringLiteral("abou"));
        QCOMPARE(w.creditDrawCount(), 0);
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("t"));
        QCOMPARE(w.creditDrawCount(), 1);

        // Every letter reached the field and was taken back by its rule: its default text
        // never passed the check, so it falls back to empty.
        QCOMPARE(Field(w, "E21")->text(), QString());
        QVERIFY(Field(w, "E21")->lastAccepted().isEmpty());
        QVERIFY(errors.messages.isEmpty());

        // The overlay covers the screen without taking the focus from the field.
        auto* credits = w.findChild<CreditDisplay*>();
        QVERIFY(credits);
        QVERIFY(credits->isShown());
        strs::CreditOverlay* overlay = credits->overlay();
        QVERIFY(overlay);
        QVERIFY(overlay->isWindow());
        QCOMPARE(overlay->geometry(), w.screen()->geometry());
        const Qt::WindowFlags flags = overlay->windowFlags();
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(flags & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(flags & Qt::WindowTransparentForInput);
        QVERIFY(overlay->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), &w);
        QCOMPARE(QApplication::focusWidget(), Field(w, "E21"));
    }

    void acceptedTextStaysWhileAboutIsTyped() {
        TForm1 w;
        Focus(w, Field(w, "E21"));
        Field(w, "E21")->clear();
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("0,5"));
        QCOMPARE(Field(w, "E21")->lastAccepted(), QStringLiteral("0,5"));
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("about"));
        QCOMPARE(w.creditDrawCount(), 1);
        QCOMPARE(Field(w, "E21")->text(), QStringLiteral("0,5"));
        QCOMPARE(Field(w, "E21")->cursorPosition(), 3);
    }

    void overlayShowsTheScreenWhereItCanBeGrabbed() {
        TForm1 w;
        Focus(w, Field(w, "E11"));
        QTest::qWait(100);  // let the window paint before the screen is grabbed
        const QImage before = w.screen()->grabWindow(0).toImage();
        if (before.isNull())
            QSKIP("this platform lets no program grab the screen");
        QTest::keyClicks(Field(w, "E11"), QStringLiteral("about"));
        auto* credits = w.findChild<CreditDisplay*>();
        QVERIFY(credits->overlay()->showsScreenPicture());
        const QImage shown = credits->overlay()->grab().toImage();
        // Away from the texts the overlay shows the screen as it was, fully opaque.
        const QPoint origin = w.screen()->geometry().topLeft();
        for (QPoint local : {QPoint(10, 10), QPoint(300, 200), QPoint(500, 350)}) {
            const QPoint at = w.mapToGlobal(local) - origin;
            QCOMPARE(QColor(shown.pixel(at)), QColor(before.pixel(at)));
            QCOMPARE(qAlpha(shown.pixel(at)), 255);
        }
        // The credit line lies over the screen's picture, red.
        int red = 0;
        for (int y = 300; y < 320; ++y)
            for (int x = 500; x < 750; ++x)
                red += qRed(shown.pixel(x, y)) > 128 && qGreen(shown.pixel(x, y)) < 64 ? 1 : 0;
        QVERIFY(red > 20);
    }

    void overlayWithoutScreenPictureIsTransparent() {
        TForm1 w;
        strs::CreditOverlay overlay(&w);
        QVERIFY(overlay.testAttribute(Qt::WA_TranslucentBackground));
        overlay.present(QRect(0, 0, 800, 600), QPixmap());
        QVERIFY(overlay.isVisible());
        QVERIFY(!overlay.showsScreenPicture());
        const QImage shown = overlay.grab().toImage();
        QVERIFY(shown.hasAlphaChannel());
        QCOMPARE(qAlpha(shown.pixel(300, 200)), 0);
        QCOMPARE(qAlpha(shown.pixel(799, 599)), 0);
        QVERIFY(InkIn(shown, QRect(500, 300, 250, 20)) > 20);
        QVERIFY(InkIn(shown, QRect(670, 0, 130, 20)) > 20);
        overlay.dismiss();
        QVERIFY(!overlay.isVisible());
    }

    void russianAndMixedLayoutsDraw() {
        TForm1 w;
        Focus(w, Field(w, "E33"));
        for (char16_t c : u"фищге")
            if (c != 0)
                TypeRussian(Field(w, "E33"), c);
        QCOMPARE(w.creditDrawCount(), 1);
        for (char16_t c : u"фbщuе") {
            if (c == 0)
                continue;
            if (c < 0x80)
                QTest::keyClick(Field(w, "E33"), char(c));
            else
                TypeRussian(Field(w, "E33"), c);
        }
        QCOMPARE(w.creditDrawCount(), 2);
    }

    void capitalsDigitsAndBlanksReset() {
        TForm1 w;
        Focus(w, Field(w, "E22"));
        for (const QString& typed : {QStringLiteral("abOut"), QStringLiteral("ab1out"),
                                     QStringLiteral("abo ut"), QStringLiteral("Tabou")})
            QTest::keyClicks(Field(w, "E22"), typed);
        QCOMPARE(w.creditDrawCount(), 0);
        QTest::keyClick(Field(w, "E22"), Qt::Key_Backspace);  // a control character resets as well
        QTest::keyClicks(Field(w, "E22"), QStringLiteral("t"));
        QCOMPARE(w.creditDrawCount(), 0);
        QTest::keyClicks(Field(w, "E22"), QStringLiteral("abou"));
        QTest::keyClick(Field(w, "E22"), Qt::Key_Escape);
        QTest::keyClicks(Field(w, "E22"), QStringLiteral("t"));
        QCOMPARE(w.creditDrawCount(), 0);
        QTest::keyClicks(Field(w, "E22"), QStringLiteral("abobut"));
        QCOMPARE(w.creditDrawCount(), 1);
    }

    void worksWhicheverControlHasTheFocus() {
        TForm1 w;
        Focus(w, Button(w, "BB1"));
        // The button lets the letters pass on to its parents; they still count once each.
        QTest::keyClicks(Button(w, "BB1"), QStringLiteral("abou"));
        QCoreApplication::processEvents();  // as between two real key presses
        QTest::keyClicks(Button(w, "BB1"), QStringLiteral("tt"));
        QCOMPARE(w.creditDrawCount(), 2);
        auto* credits = w.findChild<CreditDisplay*>();
        QVERIFY(credits->isShown());  // passing the key on did not take the drawing away

        TForm1 other;
        Focus(other, Named<QTabWidget>(other, "PageControl1")->tabBar());
        QTest::keyClicks(Named<QTabWidget>(other, "PageControl1")->tabBar(), QStringLiteral("about"));
        QCOMPARE(other.creditDrawCount(), 1);
        QCOMPARE(w.creditDrawCount(), 2);  // each window counts its own
    }

    void nextKeyTakesTheDrawingAwayAndStillReachesTheField() {
        TForm1 w;
        Focus(w, Field(w, "E21"));
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("about"));
        auto* credits = w.findChild<CreditDisplay*>();
        QVERIFY(credits->isShown());
        QCoreApplication::processEvents();  // as between two real key presses

        QTest::keyClick(Field(w, "E21"), '7');
        QVERIFY(!credits->isShown());
        QCOMPARE(Field(w, "E21")->text(), QStringLiteral("7"));
        QCOMPARE(w.creditDrawCount(), 1);
        QCOMPARE(credits->sequenceState(), 0);
    }

    void furtherTDrawsAgainWhileShown() {
        TForm1 w;
        Focus(w, Field(w, "E21"));
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("about"));
        auto* credits = w.findChild<CreditDisplay*>();
        QCoreApplication::processEvents();
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("t"));
        QCOMPARE(w.creditDrawCount(), 2);
        QVERIFY(credits->isShown());
        TypeRussian(Field(w, "E21"), u'е');
        QCOMPARE(w.creditDrawCount(), 3);
        QVERIFY(credits->isShown());
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("a"));  // a fresh a leaves state 4
        QVERIFY(!credits->isShown());
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("t"));
        QCOMPARE(w.creditDrawCount(), 3);
    }

    void clickTakesTheDrawingAway() {
        TForm1 w;
        Focus(w, Field(w, "E21"));
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("about"));
        auto* credits = w.findChild<CreditDisplay*>();
        QCoreApplication::processEvents();
        QVERIFY(credits->isShown());
        QTest::mouseClick(Field(w, "E22"), Qt::LeftButton);
        QVERIFY(!credits->isShown());
        QCOMPARE(QApplication::focusWidget(), Field(w, "E22"));  // the click still did its work
    }

    void drawingGoesAwayByItself() {
        // Shortened for this test only: elsewhere the credits must stay while checked.
        const strs::Timings usual = strs::CurrentTimings();
        strs::SetTimings({.splashMs = usual.splashMs, .creditsMs = kCreditsMs});
        TForm1 w;
        Focus(w, Field(w, "E21"));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("about"));  // creates the display
        strs::SetTimings(usual);
        auto* credits = w.findChild<CreditDisplay*>();
        QVERIFY(credits->isShown());
        QTRY_VERIFY_WITH_TIMEOUT(!credits->isShown(), 10 * kCreditsMs);
        // Not before its time; a coarse timer may fire up to 5 % early.
        QVERIFY2(clock.elapsed() >= kCreditsMs * 95 / 100, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(w.creditDrawCount(), 1);
        QCOMPARE(credits->sequenceState(), 4);  // the sequence is not touched by the timer
        QTest::keyClicks(Field(w, "E21"), QStringLiteral("t"));
        QCOMPARE(w.creditDrawCount(), 2);
        QVERIFY(credits->isShown());
    }

    void countStartsAtZeroForEveryWindow() {
        TForm1 w;
        QCOMPARE(w.creditDrawCount(), 0);
        QVERIFY(!w.findChild<CreditDisplay*>());
    }

private:
    static void Focus(TForm1& w, QWidget* control) {
        // The page holding the control comes to the front so that it can take the focus.
        for (QWidget* page : {Named<QWidget>(w, "TS1"), Named<QWidget>(w, "TS2"), Named<QWidget>(w, "TS3"),
                              Named<QWidget>(w, "TS4")})
            if (page->isAncestorOf(control))
                Named<QTabWidget>(w, "PageControl1")->setCurrentWidget(page);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        control->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), control);
    }
};

QTEST_MAIN(CreditsTest)
#include "tst_credits.moc"
