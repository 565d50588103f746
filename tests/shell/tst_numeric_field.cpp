// The numeric-field rule, driven mostly by typed keys, as a user meets it.

#include "core/errors.h"
#include "core/number_grammar.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"

#include <QLocale>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace strs;

namespace {

QLocale CommaLocale() { return QLocale(QLocale::Russian, QLocale::Russia); }
QLocale PointLocale() { return QLocale(QLocale::English, QLocale::UnitedStates); }

}  // namespace

class NumericFieldTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window_;

    // A field in a shown window holding a default text that has not passed the rule,
    // as the main window sets its defaults.
    NumericField* MakeField(const char* commaDefault, bool allowLoneMinus = false) {
        auto* field = new NumericField(window_.get(), allowLoneMinus);
        {
            const QSignalBlocker quiet(field);
            field->setText(LocalizedText(commaDefault));
        }
        field->show();
        field->setFocus();
        return field;
    }

    static void SelectAllAndType(NumericField* field, const QString& keys) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, keys);
    }

private slots:
    void init() {
        QLocale::setDefault(CommaLocale());
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 100);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void letterAfterAcceptedTextIsTakenBackWithCaretAtEnd() {
        NumericField* e11 = MakeField("1,2", true);
        SelectAllAndType(e11, QStringLiteral("1,25"));
        QCOMPARE(e11->text(), QStringLiteral("1,25"));
        QCOMPARE(e11->lastAccepted(), QStringLiteral("1,25"));

        QTest::keyClicks(e11, QStringLiteral("x"));
        QCOMPARE(e11->text(), QStringLiteral("1,25"));
        QCOMPARE(e11->cursorPosition(), 4);
        QVERIFY(!e11->hasSelectedText());
    }

    void letterTypedInTheMiddleIsTakenBackWithCaretAtEnd() {
        NumericField* e32 = MakeField("0,9");
        SelectAllAndType(e32, QStringLiteral("1,25"));
        QTest::keyClick(e32, Qt::Key_Home);
        QTest::keyClick(e32, Qt::Key_Right);
        QCOMPARE(e32->cursorPosition(), 1);
        QTest::keyClicks(e32, QStringLiteral("q"));
        QCOMPARE(e32->text(), QStringLiteral("1,25"));
        QCOMPARE(e32->cursorPosition(), 4);
        QVERIFY(!e32->hasSelectedText());
    }

    void letterAfterUntouchedDefaultEmptiesTheField() {
        NumericField* e21 = MakeField("0,8");
        QCOMPARE(e21->lastAccepted(), QString());
        QTest::keyClick(e21, Qt::Key_End);
        QTest::keyClicks(e21, QStringLiteral("a"));
        QCOMPARE(e21->text(), QString());
        QCOMPARE(e21->lastAccepted(), QString());
    }

    void deletingEverythingLeavesItEmptyAndRemembersTheLastNumber() {
        NumericField* e22 = MakeField("1");
        SelectAllAndType(e22, QStringLiteral("2,5"));
        QTest::keyClick(e22, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e22, Qt::Key_Delete);
        QCOMPARE(e22->text(), QString());
        QCOMPARE(e22->lastAccepted(), QStringLiteral("2,5"));

        // The remembered text is what a following bad key brings back.
        QTest::keyClicks(e22, QStringLiteral("z"));
        QCOMPARE(e22->text(), QStringLiteral("2,5"));
    }

    void backspacingRemembersEachShorterNumber() {
        NumericField* e34 = MakeField("4");
        SelectAllAndType(e34, QStringLiteral("12"));
        QTest::keyClick(e34, Qt::Key_Backspace);
        QCOMPARE(e34->lastAccepted(), QStringLiteral("1"));
        QTest::keyClick(e34, Qt::Key_Backspace);
        QCOMPARE(e34->text(), QString());
        QCOMPARE(e34->lastAccepted(), QStringLiteral("1"));
    }

    void loneMinusStaysWhereAllowed() {
        NumericField* e12 = MakeField("1,5", true);
        SelectAllAndType(e12, QStringLiteral("-"));
        QCOMPARE(e12->text(), QStringLiteral("-"));
        QCOMPARE(e12->lastAccepted(), QString());  // not remembered
        QTest::keyClicks(e12, QStringLiteral("3,5"));
        QCOMPARE(e12->text(), QStringLiteral("-3,5"));
        QCOMPARE(e12->lastAccepted(), QStringLiteral("-3,5"));

        // A lone minus after an accepted number is not remembered either.
        SelectAllAndType(e12, QStringLiteral("-"));
        QCOMPARE(e12->text(), QStringLiteral("-"));
        QCOMPARE(e12->lastAccepted(), QStringLiteral("-3,5"));
        QTest::keyClicks(e12, QStringLiteral("-"));  // "--"
        QCOMPARE(e12->text(), QStringLiteral("-3,5"));
    }

    void loneMinusIsTakenBackElsewhere() {
        NumericField* e42 = MakeField("1");
        SelectAllAndType(e42, QStringLiteral("7"));
        SelectAllAndType(e42, QStringLiteral("-"));
        QCOMPARE(e42->text(), QStringLiteral("7"));

        NumericField* e43 = MakeField("4");
        SelectAllAndType(e43, QStringLiteral("-"));
        QCOMPARE(e43->text(), QString());  // nothing passed yet
    }

    void negativeNumberBySignTypedInFrontOfDigits() {
        NumericField* e33 = MakeField("1");
        SelectAllAndType(e33, QStringLiteral("4"));
        QTest::keyClick(e33, Qt::Key_Home);
        QTest::keyClicks(e33, QStringLiteral("-"));
        QCOMPARE(e33->text(), QStringLiteral("-4"));
        QCOMPARE(e33->lastAccepted(), QStringLiteral("-4"));
    }

    void commaLocaleTakesBackAPointNumber() {
        NumericField* e41 = MakeField("0,8");
        SelectAllAndType(e41, QStringLiteral("1.5"));
        // "1." is taken back at once, so the typed keys leave "15".
        QCOMPARE(e41->text(), QStringLiteral("15"));

        // Pasted whole, the point number is taken back to the last accepted text.
        e41->selectAll();
        e41->insert(QStringLiteral("1.5"));
        QCOMPARE(e41->text(), QStringLiteral("15"));
        QCOMPARE(e41->cursorPosition(), 2);

        SelectAllAndType(e41, QStringLiteral("1,5"));
        QCOMPARE(e41->text(), QStringLiteral("1,5"));
        QCOMPARE(e41->lastAccepted(), QStringLiteral("1,5"));
    }

    void exponentPasses() {
        NumericField* es = MakeField("0,9");
        es->selectAll();
        es->insert(QStringLiteral("1e3"));
        QCOMPARE(es->text(), QStringLiteral("1e3"));
        QCOMPARE(es->lastAccepted(), QStringLiteral("1e3"));

        // Typed key by key, "1e" is no number yet and is taken back ...
        SelectAllAndType(es, QStringLiteral("1e3"));
        QCOMPARE(es->text(), QStringLiteral("13"));
        // ... but the E typed between the digits passes.
        QTest::keyClick(es, Qt::Key_Left);
        QTest::keyClicks(es, QStringLiteral("E"));
        QCOMPARE(es->text(), QStringLiteral("1E3"));
        QCOMPARE(es->lastAccepted(), QStringLiteral("1E3"));
    }

    void pointLocaleTakesBackACommaNumber() {
        QLocale::setDefault(PointLocale());
        NumericField* e11 = MakeField("1,2", true);
        QCOMPARE(e11->text(), QStringLiteral("1.2"));
        SelectAllAndType(e11, QStringLiteral("1,5"));
        QCOMPARE(e11->text(), QStringLiteral("15"));
        SelectAllAndType(e11, QStringLiteral("1.5"));
        QCOMPARE(e11->text(), QStringLiteral("1.5"));
    }

    void passingTextKeepsTheCaretWhereTheUserPutIt() {
        NumericField* e22 = MakeField("1");
        SelectAllAndType(e22, QStringLiteral("1,5"));
        QTest::keyClick(e22, Qt::Key_Home);
        QTest::keyClick(e22, Qt::Key_Right);
        QTest::keyClicks(e22, QStringLiteral("2"));
        QCOMPARE(e22->text(), QStringLiteral("12,5"));
        QCOMPARE(e22->cursorPosition(), 2);
        QCOMPARE(e22->lastAccepted(), QStringLiteral("12,5"));
    }

    void settingTheSameTextIsNoChange() {
        NumericField* e34 = MakeField("4");
        QSignalSpy changes(e34, &QLineEdit::textChanged);
        e34->setText(QStringLiteral("4"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(e34->lastAccepted(), QString());  // the rule did not run
        e34->setText(QStringLiteral("5"));
        e34->setText(QStringLiteral("5"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(e34->lastAccepted(), QStringLiteral("5"));
    }

    void programSetTextRunsTheRule() {
        NumericField* e43 = MakeField("4");
        e43->setText(QStringLiteral("3,5"));
        QCOMPARE(e43->lastAccepted(), QStringLiteral("3,5"));
        e43->setText(QStringLiteral("abc"));
        QCOMPARE(e43->text(), QStringLiteral("3,5"));
    }

    void takingBackEndsAfterOneNestedRun() {
        NumericField* e42 = MakeField("1");
        e42->setText(QStringLiteral("2"));
        QSignalSpy changes(e42, &QLineEdit::textChanged);
        e42->setText(QStringLiteral("2x"));
        // The bad text and the restored one; nothing more. (The spy, connected after the
        // rule, hears the nested change first.)
        QCOMPARE(changes.count(), 2);
        QStringList heard{changes.at(0).at(0).toString(), changes.at(1).at(0).toString()};
        heard.sort();
        QCOMPARE(heard, QStringList({QStringLiteral("2"), QStringLiteral("2x")}));
        QCOMPARE(e42->text(), QStringLiteral("2"));
    }

    // At the longest number text, typing is taken back as the rule takes back any text it
    // refuses (caret to the end), while a pasted longer number is taken back whole and a
    // typed character over a selection still replaces it.
    void aFullFieldTakesTypingBackAsTheRuleDoes() {
        NumericField* e21 = MakeField("0,8");
        const int longest = static_cast<int>(kLongestNumberText);
        const QString full = QStringLiteral("0,") + QString(longest - 3, u'0') + QStringLiteral("5");
        e21->setText(full);
        QCOMPARE(e21->text(), full);

        e21->setCursorPosition(5);
        QSignalSpy changes(e21, &QLineEdit::textChanged);
        QTest::keyClicks(e21, QStringLiteral("7"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(e21->text(), full);
        QCOMPARE(e21->cursorPosition(), longest);

        e21->setText(full + QStringLiteral("7"));
        QCOMPARE(e21->text(), full);

        e21->setSelection(longest - 1, 1);
        QTest::keyClicks(e21, QStringLiteral("7"));
        QCOMPARE(e21->text(), full.left(longest - 1) + QStringLiteral("7"));
        QTest::keyClick(e21, Qt::Key_Backspace);
        QCOMPARE(e21->text(), full.left(longest - 1));
    }

    void rememberedTextThatNoLongerPassesDoesNotLoop() {
        NumericField* e32 = MakeField("0,9");
        e32->setText(QStringLiteral("1,5"));
        QLocale::setDefault(PointLocale());  // "1,5" is no number any more
        QSignalSpy changes(e32, &QLineEdit::textChanged);
        QTest::keyClick(e32, Qt::Key_End);
        QTest::keyClicks(e32, QStringLiteral("x"));
        QCOMPARE(e32->text(), QStringLiteral("1,5"));
        QCOMPARE(changes.count(), 2);
    }

    void exactZeroIsReplaced() {
        NumericField* e22 = MakeField("1");
        SelectAllAndType(e22, QStringLiteral("0"));
        e22->replaceExactZero();
        QCOMPARE(e22->text(), QStringLiteral("0,001"));
        QCOMPARE(e22->lastAccepted(), QStringLiteral("0,001"));
        QCOMPARE(e22->value(), 0.001);
    }

    void otherZerosStay_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("0,0") << QStringLiteral("0,0");
        QTest::newRow("00") << QStringLiteral("00");
        QTest::newRow("blank before") << QStringLiteral(" 0");
        QTest::newRow("blank after") << QStringLiteral("0 ");
        QTest::newRow("minus zero") << QStringLiteral("-0");
        QTest::newRow("0e0") << QStringLiteral("0e0");
        QTest::newRow("empty") << QString();
    }

    void otherZerosStay() {
        QFETCH(QString, text);
        NumericField* e33 = MakeField("1");
        e33->setText(text);
        const QString remembered = e33->lastAccepted();
        e33->replaceExactZero();
        QCOMPARE(e33->text(), text);
        QCOMPARE(e33->lastAccepted(), remembered);
    }

    void zeroReplacementUsesThePointLocale() {
        QLocale::setDefault(PointLocale());
        NumericField* e43 = MakeField("4");
        e43->setText(QStringLiteral("0"));
        e43->replaceExactZero();
        QCOMPARE(e43->text(), QStringLiteral("0.001"));
        QCOMPARE(e43->lastAccepted(), QStringLiteral("0.001"));
    }

    void valueConvertsTheText() {
        NumericField* e11 = MakeField("1,2", true);
        QCOMPARE(e11->value(), 1.2);
        e11->setText(QStringLiteral("-2,5e-3"));
        QCOMPARE(e11->value(), -2.5e-3);

        e11->setText(QStringLiteral("-"));
        try {
            e11->value();
            QFAIL("no exception");
        } catch (const ConversionError& error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     QStringLiteral("'-' is not a valid floating point value"));
        }
        e11->clear();
        QVERIFY_THROWS_EXCEPTION(ConversionError, e11->value());
    }
};

QTEST_MAIN(NumericFieldTest)

#include "tst_numeric_field.moc"
