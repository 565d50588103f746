// Start-up: the splash's single tick comes before the main window exists, and the two
// windows are never visible together.

#include "app/main_window.h"
#include "app/startup.h"
#include "shell/splash_window.h"
#include "shell/timings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
    static constexpr int kSplashMs = 60;  // shortened for the tests
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QCOMPARE(strs::CurrentTimings().splashMs, 900);  // the program's own interval
        strs::SetTimings({.splashMs = kSplashMs, .creditsMs = 4000});
    }

    void stepsComeInOrderAfterOneInterval() {
        QStringList steps;
        bool splashVisibleWithMain = false;
        QElapsedTimer clock;
        clock.start();
        qint64 tickedAfterMs = -1;
        auto window = strs::ShowSplashThenCreateMainWindow([&](const char* step) {
            steps << QString::fromLatin1(step);
            if (steps.last() == QLatin1String("splash ticked"))
                tickedAfterMs = clock.elapsed();
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<strs::TForm1*>(w) && w->isVisible())
                    for (QWidget* other : QApplication::topLevelWidgets())
                        if (qobject_cast<strs::TForm2*>(other) && other->isVisible())
                            splashVisibleWithMain = true;
            }
        });
        QCOMPARE(steps, QStringList({QStringLiteral("splash shown"), QStringLiteral("splash ticked"),
                                     QStringLiteral("main window created"), QStringLiteral("splash hidden"),
                                     QStringLiteral("splash destroyed")}));
        QVERIFY2(tickedAfterMs >= kSplashMs - 1, qPrintable(QString::number(tickedAfterMs)));
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QVERIFY(!splashVisibleWithMain);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<strs::TForm2*>(w));  // destroyed
    }

    void splashTimerTicksOnce() {
        strs::TForm2 splash;
        QCOMPARE(splash.Timer1->interval(), kSplashMs);
        QVERIFY(splash.Timer1->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.Timer1->isActive(), 3000);
        QTest::qWait(2 * kSplashMs);  // two more intervals: no further tick
        QCOMPARE(splash.tickCount(), 1);
    }

    void splashShowsTheCroppedPicture() {
        strs::TForm2 splash;
        QCOMPARE(splash.size(), QSize(300, 199));
        QCOMPARE(splash.Image1->pos(), QPoint(-15, -16));
        QCOMPARE(splash.Image1->pixmap().size(), QSize(330, 230));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
