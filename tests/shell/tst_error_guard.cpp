// The one guard around every handler: what it catches, what the box says, and that the
// program goes on afterwards. A recorder stands in for the box, except in the one test
// that checks the standard box itself and closes it at once.

#include "matematic/errors.h"
#include "shell/error_guard.h"
#include "shell/number_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <new>
#include <stdexcept>

using namespace strs;

class ErrorGuardTest : public QObject {
    Q_OBJECT

private:
    QStringList shown_;

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        shown_.clear();
        SetErrorPresenter([this](const QString& boxText) { shown_.append(boxText); });
    }
    void cleanup() {
        SetErrorPresenter(
            [](const QString& boxText) { qFatal("unexpected error box: %s", qUtf8Printable(boxText)); });
        QLocale::setDefault(QLocale::c());
    }

    void boxTextEndsWithAFullStop_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("letter") << QStringLiteral("abc") << QStringLiteral("abc.");
        QTest::newRow("full stop") << QStringLiteral("abc.") << QStringLiteral("abc.");
        QTest::newRow("exclamation mark") << QStringLiteral("abc!") << QStringLiteral("abc!");
        QTest::newRow("blank") << QStringLiteral("abc ") << QStringLiteral("abc ");
        QTest::newRow("quotation mark") << QStringLiteral("ends with \"") << QStringLiteral("ends with \"");
        QTest::newRow("minus, just below the full stop") << QStringLiteral("abc-") << QStringLiteral("abc-");
        QTest::newRow("slash, just above the full stop") << QStringLiteral("abc/") << QStringLiteral("abc/.");
        QTest::newRow("digit") << QStringLiteral("abc1") << QStringLiteral("abc1.");
        QTest::newRow("Cyrillic") << QStringLiteral("Ошибка") << QStringLiteral("Ошибка.");
        QTest::newRow("conversion message") << QStringLiteral("'1.5' is not a valid floating point value")
                                            << QStringLiteral("'1.5' is not a valid floating point value.");
        QTest::newRow("empty stays empty") << QString() << QString();
    }

    void boxTextEndsWithAFullStop() {
        QFETCH(QString, message);
        QFETCH(QString, boxText);
        QCOMPARE(ErrorBoxText(message), boxText);
    }

    void conversionErrorIsShown() {
        RunGuarded(nullptr, [] { StrToFloat(QStringLiteral("1.5")); });
        QCOMPARE(shown_, QStringList{QStringLiteral("'1.5' is not a valid floating point value.")});
    }

    void cyrillicFieldTextIsShownIntact() {
        RunGuarded(nullptr, [] { StrToFloat(QStringLiteral("два")); });
        QCOMPARE(shown_, QStringList{QStringLiteral("'два' is not a valid floating point value.")});
    }

    void arithmeticErrorsAreShown_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("invalid operation") << 0 << QStringLiteral("Invalid floating point operation.");
        QTest::newRow("division by zero") << 1 << QStringLiteral("Floating point division by zero.");
        QTest::newRow("overflow") << 2 << QStringLiteral("Floating point overflow.");
    }

    void arithmeticErrorsAreShown() {
        QFETCH(int, kind);
        QFETCH(QString, boxText);
        RunGuarded(nullptr, [kind] {
            if (kind == 0)
                throw InvalidOperation();
            if (kind == 1)
                throw DivisionByZero();
            throw FloatingOverflow();
        });
        QCOMPARE(shown_, QStringList{boxText});
    }

    void fileErrorKeepsItsOwnFullStop() {
        RunGuarded(nullptr, [] { throw FileCreateError("/none/chart.jpg", "No such directory."); });
        QCOMPARE(shown_,
                 QStringList{QStringLiteral("Cannot create file \"/none/chart.jpg\". No such directory.")});
    }

    void outOfMemoryIsShown() {
        RunGuarded(nullptr, [] { throw std::bad_alloc(); });
        QCOMPARE(shown_, QStringList{QStringLiteral("Out of memory.")});
    }

    void otherStandardExceptionsDoNotEscape() {
        RunGuarded(nullptr, [] { throw std::logic_error("unexpected state"); });
        QCOMPARE(shown_, QStringList{QStringLiteral("unexpected state.")});
    }

    void handlerEndsWhereTheErrorOccurs() {
        int stepsDone = 0;
        RunGuarded(nullptr, [&stepsDone] {
            stepsDone = 1;
            StrToFloat(QStringLiteral("x"));
            stepsDone = 2;
        });
        QCOMPARE(stepsDone, 1);
        QCOMPARE(shown_.size(), 1);
    }

    void handlerWithoutErrorShowsNothing() {
        bool ran = false;
        RunGuarded(nullptr, [&ran] { ran = StrToFloat(QStringLiteral("1,5")) == 1.5; });
        QVERIFY(ran);
        QVERIFY(shown_.isEmpty());
    }

    void programGoesOnAfterAnError() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        RunGuarded(&window, [field] {
            field->setText(QStringLiteral("before"));
            StrToFloat(field->text());
            field->setText(QStringLiteral("after"));
        });
        QCOMPARE(shown_.size(), 1);
        QCOMPARE(field->text(), QStringLiteral("before"));  // what was done stays

        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, QStringLiteral(" typed"));
        QCOMPARE(field->text(), QStringLiteral("before typed"));

        RunGuarded(&window, [] { throw DivisionByZero(); });
        QCOMPARE(shown_.size(), 2);
    }

    void standardBoxWhenNoPresenterIsInstalled() {
        SetErrorPresenter(nullptr);
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Inspect the box from inside its own event loop, then press its OK button.
        bool seen = false;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QWidget* parent = nullptr;
        bool modal = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            seen = true;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            parent = box->parentWidget();
            modal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start();
        QTimer giveUp;  // a box that cannot be found must not hang the test
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] {
            if (QWidget* stray = QApplication::activeModalWidget())
                stray->close();
        });
        giveUp.start(5000);

        RunGuarded(&window, [] { StrToFloat(QStringLiteral("abc")); });

        QVERIFY(seen);
        QCOMPARE(title, QCoreApplication::applicationName());
        QCOMPARE(title, QStringLiteral("tst_error_guard"));  // the executable's name
        QCOMPARE(text, QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(parent, &window);
        QVERIFY(modal);
    }
};

QTEST_MAIN(ErrorGuardTest)

#include "tst_error_guard.moc"
