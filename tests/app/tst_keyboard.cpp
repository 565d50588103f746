// The window without a mouse: pages by Ctrl+1…4 and Ctrl+(Shift+)Tab, every control by
// Tab in reading order, the legend panels by the arrow keys, and a frame around the
// focused control.

#include "app/main_window.h"
#include "shell/focus_frame.h"
#include "shell/legend_panel.h"
#include "support/components.h"
#include "support/error_recorder.h"

#include <QLocale>
#include <QRadioButton>
#include <QtTest>

using strs::TForm1;
using namespace strs::testing;

namespace {

QTabWidget* Pages(const TForm1& w) { return Named<QTabWidget>(w, "PageControl1"); }

// Tab from the page's first control until the focus leaves the page.
QList<QWidget*> TabWalk(QWidget& page) {
    QList<QWidget*> walk;
    for (QWidget* focus = QApplication::focusWidget(); focus != nullptr && page.isAncestorOf(focus);
         focus = QApplication::focusWidget()) {
        if (walk.contains(focus))
            break;
        walk << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return walk;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private:
    strs::testing::ErrorRecorder errors_;
    std::unique_ptr<TForm1> w_;

    void ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w_.get();
        QTest::keyClick(target, key, Qt::ControlModifier | more);
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        w_ = std::make_unique<TForm1>();
        w_->show();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    void cleanup() { w_.reset(); }

    void pagesByControlKeys() {
        QTabWidget* pages = Pages(*w_);
        for (int page : {3, 1, 4, 2}) {
            ctrl(Qt::Key(Qt::Key_0 + page));
            QCOMPARE(pages->currentIndex(), page - 1);
            QVERIFY(pages->currentWidget()->isAncestorOf(QApplication::focusWidget()));
        }
        ctrl(Qt::Key_4);
        ctrl(Qt::Key_Tab);  // round the end
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), List(*w_, "CB1"));
        ctrl(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 3);
        ctrl(Qt::Key_Tab);
        ctrl(Qt::Key_Tab);
        QCOMPARE(pages->currentIndex(), 1);
    }

    void tabReachesEveryControlInReadingOrder() {
        const TForm1& w = *w_;
        const QList<QList<QWidget*>> expected = {
            {List(w, "CB1"), Field(w, "E11"), Field(w, "E12"), Button(w, "BB1"), Chart(w, "Chart11"),
             Chart(w, "Chart12")},
            {Radio(w, "RG2")->button(0), Field(w, "E21"), Field(w, "E22"), Button(w, "BitBtn1"),
             Chart(w, "Chart21"), Chart(w, "Chart22")},
            {Field(w, "E33"), Field(w, "E32"), Field(w, "E34"), Button(w, "BB3"), Chart(w, "Chart32"),
             Chart(w, "Chart31"), Named<strs::LegendPanel>(w, "Panel2")},
            {Radio(w, "RG4")->button(1), Field(w, "E41"), Field(w, "Es4"), Field(w, "E42"), Field(w, "E43"),
             Button(w, "BitBtn2"), Chart(w, "Chart41"), Chart(w, "Chart42"),
             Named<strs::LegendPanel>(w, "Panel1")},
        };
        Radio(w, "RG4")->button(1)->click();  // the second order shows its second field
        const char* buttons[] = {"BB1", "BitBtn1", "BB3", "BitBtn2"};
        for (int page = 0; page < 4; ++page) {
            // The legend panels lie on the charts, which a press shows.
            Button(w, buttons[page])->click();
            ctrl(Qt::Key(Qt::Key_1 + page));
            QCOMPARE(TabWalk(*Pages(w)->currentWidget()), expected[page]);
        }
    }

    void legendPanelMovesByArrowKeysWithinItsChart() {
        Named<QTabWidget>(*w_, "PageControl1")->setCurrentIndex(2);
        Button(*w_, "BB3")->click();
        auto* panel = Named<strs::LegendPanel>(*w_, "Panel2");
        panel->setFocus(Qt::TabFocusReason);
        const QPoint start = panel->pos();
        QTest::keyClick(panel, Qt::Key_Left);
        QTest::keyClick(panel, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(panel->pos(), start + QPoint(-1, 10));
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(panel, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(panel->x(), panel->parentWidget()->width() - panel->width());
    }

    void focusedControlIsFramed() {
        auto* frame = Named<strs::FocusFrame>(*w_, "FocusFrame");
        for (const char* name : {"E11", "BB1"}) {
            QWidget* control = Named<QWidget>(*w_, name);
            control->setFocus(Qt::TabFocusReason);
            QCOMPARE(frame->framed(), control);
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->parentWidget(), control->parentWidget());
            QVERIFY(frame->geometry().contains(control->geometry()));
            QVERIFY(frame->geometry() != control->geometry());
        }
        ctrl(Qt::Key_2);  // the focus follows to the shown page, and the frame with it
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->framed(), QApplication::focusWidget());

        // The frame is the one focus mark: a radio item looks the same with the focus.
        QRadioButton* item = Radio(*w_, "RG2")->button(1);
        const QImage unfocused = item->grab().toImage();
        item->setFocus(Qt::TabFocusReason);
        w_->setAttribute(Qt::WA_KeyboardFocusChange);  // as a Tab key sets it
        QVERIFY(item->hasFocus());
        QCOMPARE(frame->framed(), item);
        QCOMPARE(item->grab().toImage(), unfocused);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
