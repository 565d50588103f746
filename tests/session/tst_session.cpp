// A session saved and brought back: the same file run by the replay tool and opened in a
// fresh window shows what the window showed when it was saved; a file that cannot be
// carried out changes nothing; the record holds actions only.

#include "app/main_window.h"
#include "app/scripting/replay_session.h"
#include "app/scripting/session_file.h"
#include "app/scripting/session_recorder.h"
#include "app/scripting/snapshot.h"
#include "app/scripting/variants.h"
#include "app/session/workbench.h"
#include "core/information_option.h"
#include "matematic/random.h"
#include "shell/translations.h"
#include "support/error_recorder.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPixmapCache>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using strs::replay::ReplaySession;
using strs::session::Workbench;

namespace {

// Presses on every page, a law and both orders chosen, two presses that fail, and a
// field changed after the last press.
const QString kSession = QStringLiteral(
    "locale ru_RU\n"
    "select CB1 2\nset E11 2,5\npress BB1\n"
    "page 2\nradio RG2 1\nset E21 0,5\npress BitBtn1\nset E22 -1\npress BitBtn1\n"
    "page 3\nset E34 0\npress BB3\n"
    "page 4\nradio RG4 1\npress BitBtn2\nset E42 -1\npress BitBtn2\nradio RG4 0\nset E42 2\npress BitBtn2\n"
    "set E43 7\npage 2\n");

// What the window shows, without the error texts (a window opened by the program shows
// its boxes, or not, as it goes).
QJsonObject Shown(strs::TForm1& window) {
    QJsonObject snapshot = strs::replay::TakeSnapshot(window, {}, 0);
    snapshot.remove(QStringLiteral("errors"));
    snapshot.insert(QStringLiteral("page"),
                    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex());
    return snapshot;
}

struct Saved {
    QJsonObject shown;
    QByteArray file;
};

// Runs the session in the replay tool's session and saves it with the "session" action.
Saved SaveSession(const QString& script, const QString& path) {
    Saved saved;
    ReplaySession session([](const QByteArray&) {});
    session.runScript(script + QStringLiteral("session \"%1\"\n").arg(path));
    saved.shown = Shown(session.window());
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        saved.file = file.readAll();
    return saved;
}

std::unique_ptr<strs::TForm1> FreshWindow() {
    strs::ResetRandomGenerator();
    return std::make_unique<strs::TForm1>();
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    // Each test starts in an English window; opening a session changes both.
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        strs::InstallTranslations(strs::UiLanguage::English);
    }

    void savedSessionGivesTheSameWindowInTheToolAndInTheProgram() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir dir;
        const Saved saved = SaveSession(kSession, dir.filePath(QStringLiteral("lab.strs")));
        QVERIFY(saved.file.startsWith("# STRS Workbench session"));
        QVERIFY(saved.file.contains("\n# language ru\nlocale ru_RU\n"));

        // The teacher's check: the file through the replay tool as it is.
        QJsonObject replayed;
        {
            ReplaySession session([](const QByteArray&) {});
            session.runScript(QString::fromUtf8(saved.file));
            replayed = Shown(session.window());
        }
        QCOMPARE(replayed, saved.shown);

        // The student's: opened in a fresh window of the program, which was elsewhere.
        Workbench workbench(FreshWindow());
        workbench.window().findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
        QVERIFY(workbench.openSessionFile(saved.file, QStringLiteral("lab.strs")));
        QCOMPARE(Shown(workbench.window()), saved.shown);
        QCOMPARE(QLocale().name(), QStringLiteral("ru_RU"));
        // The presses come back with their times and outcomes, for a report.
        const auto& presses = workbench.recorder().record().presses();
        QCOMPARE(presses.size(), std::size_t(7));
        QVERIFY(!presses[2].error.isEmpty() && !presses[5].error.isEmpty());
        QVERIFY(presses[0].error.isEmpty());
        QVERIFY(saved.file.contains("\n# pressed " + presses[6].time.toString(Qt::ISODate).toUtf8() + "\npress BitBtn2\n"));
    }

    // A file the program cannot carry out is named by its line, and the window the student
    // had stays as it was.
    void aFileThatCannotBeCarriedOutChangesNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown action") << QByteArray("locale ru_RU\npress BB1\nfly away\n")
                                        << QStringLiteral("line 3: 'fly' is not an action of a session");
        QTest::newRow("a tool's action") << QByteArray("locale ru_RU\ndump\n")
                                         << QStringLiteral("line 2: 'dump' is not an action of a session");
        QTest::newRow("no such field") << QByteArray("locale ru_RU\nset E99 1\n")
                                       << QStringLiteral("line 2: no field named 'E99'");
        QTest::newRow("a law out of range") << QByteArray("locale ru_RU\nselect CB1 9\n")
                                            << QStringLiteral("line 2: '9' is not a number from 0 to 4");
        QTest::newRow("damaged") << QByteArray("locale ru_RU\npress BB\xC3\n")
                                 << QStringLiteral("line 2: a byte that is not UTF-8: \\xc3 at byte 9");
        QTest::newRow("newer version") << QByteArray("# STRS Workbench session\n# version 99.1\nlocale ru_RU\n")
                                       << QStringLiteral("line 2: written by version 99.1 of the program, newer than this "
                                                         "one (%1)").arg(QString::fromLatin1(strs::ProgramVersion().data(),
                                                                                              qsizetype(strs::ProgramVersion().size())));
    }
    void aFileThatCannotBeCarriedOutChangesNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        strs::testing::ErrorRecorder errors;
        Workbench workbench(FreshWindow());
        strs::TForm1* before = &workbench.window();
        workbench.window().findChild<QPushButton*>(QStringLiteral("BB3"))->click();
        const QJsonObject shown = Shown(workbench.window());
        bool asked = false;
        workbench.setQuestion([&asked](const QString&) { return asked = true; });
        strs::RunGuarded(nullptr, [&] { workbench.openSessionFile(file, QStringLiteral("/tmp/bad.strs")); });
        QCOMPARE(errors.messages,
                 QStringList{strs::ErrorBoxText(QStringLiteral("Session bad.strs was not opened: %1").arg(message))});
        QVERIFY(!asked);
        QCOMPARE(&workbench.window(), before);
        QCOMPARE(Shown(workbench.window()), shown);
        QCOMPARE(workbench.recorder().record().presses().size(), std::size_t(1));
    }

    // The question comes before a session with presses is replaced; "No" keeps it.
    void openingAsksBeforeItReplacesPresses() {
        strs::testing::ErrorRecorder errors;
        Workbench workbench(FreshWindow());
        QStringList asked;
        workbench.setQuestion([&asked](const QString& text) { return asked << text, false; });
        // (saved by an editor that puts a byte order mark first)
        QVERIFY(workbench.openSessionFile("\xEF\xBB\xBFlocale en_US\npress BB3\n", QStringLiteral("a.strs")));
        QVERIFY(asked.isEmpty());  // nothing pressed yet: nothing to lose
        strs::TForm1* opened = &workbench.window();
        QVERIFY(!workbench.openSessionFile("locale en_US\npress BB1\n", QStringLiteral("b.strs")));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(&workbench.window(), opened);
        QCOMPARE(workbench.recorder().record().presses().front().page, 3);
        QVERIFY(errors.messages.isEmpty());
    }

    // Saved from the program: the name completed with .strs, the record as the tool reads it.
    void saveSessionWritesTheRecord() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir dir;
        Workbench workbench(FreshWindow());
        workbench.window().findChild<QPushButton*>(QStringLiteral("BB3"))->click();
        workbench.saver().setNameChooser([&dir](const strs::SaveRequest&, const QString&) {
            return std::optional<strs::CompletedName>({dir.filePath(QStringLiteral("mine")), 0});
        });
        workbench.saveSession();
        QFile file(dir.filePath(QStringLiteral("mine.strs")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("\nlocale en_US\n# pressed "));
        QVERIFY(text.endsWith("\npress BB3\npage 1\n"));
        QVERIFY(errors.messages.isEmpty());
    }

    // A class's keys from the window are the tool's, the bad rows are listed afterwards,
    // and the student's window and stream are left as they were.
    void classKeysFromTheWindowAreTheTools() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("class.csv"));
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("id;page;E32\nA;3;0,5\nB;5;1\nC;3;0,75\n") > 0);
        file.close();
        QByteArray expected;
        QVERIFY(file.open(QIODevice::ReadOnly));
        strs::replay::RunVariants(file, strs::replay::VariantsFormat::Csv,
                                  {[&expected](const QByteArray& piece) { expected += piece; }, [](const QString&) {}});
        file.close();

        Workbench workbench(FreshWindow());
        workbench.window().findChild<QPushButton*>(QStringLiteral("BB3"))->click();
        const std::uint32_t stream = strs::RandomGeneratorState();
        const QJsonObject shown = Shown(workbench.window());
        QPixmapCache::setCacheLimit(12345);  // the replay runs uncached, then gives it back
        workbench.setOpenChooser([&table](const QString&, const QString&) { return table; });
        workbench.saver().setNameChooser([&dir](const strs::SaveRequest&, const QString&) {
            return std::optional<strs::CompletedName>({dir.filePath(QStringLiteral("keys")), 1});
        });
        strs::RunGuarded(nullptr, [&workbench] { workbench.makeClassKeys(); });

        QFile keys(dir.filePath(QStringLiteral("keys.csv")));
        QVERIFY(keys.open(QIODevice::ReadOnly));
        QCOMPARE(keys.readAll(), expected);
        QCOMPARE(errors.messages, QStringList{QStringLiteral("Rows of the table left out of the answer keys:\n"
                                                             "row 3, column page: '5' is not a number from 1 to 4.")});
        QCOMPARE(strs::RandomGeneratorState(), stream);
        QCOMPARE(Shown(workbench.window()), shown);
        QCOMPARE(QPixmapCache::cacheLimit(), 12345);
    }

    // A file that is not a table of variants gives no keys file at all, only its reason.
    void aTableWithoutPagesWritesNoKeys() {
        strs::testing::ErrorRecorder errors;
        QTemporaryDir dir;
        QTemporaryDir tables;
        const QString table = tables.filePath(QStringLiteral("marks.csv"));
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("name;mark\nA;5\n") > 0);
        file.close();
        Workbench workbench(FreshWindow());
        workbench.setOpenChooser([&table](const QString&, const QString&) { return table; });
        workbench.saver().setNameChooser([&dir](const strs::SaveRequest&, const QString&) {
            return std::optional<strs::CompletedName>({dir.filePath(QStringLiteral("keys")), 1});
        });
        strs::RunGuarded(nullptr, [&workbench] { workbench.makeClassKeys(); });
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.front().startsWith(QStringLiteral("No answer keys were made:\n")), qPrintable(errors.messages.front()));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
