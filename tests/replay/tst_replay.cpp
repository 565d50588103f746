// Replay scripts: how a bad line stops them, typed text and the chart exports. What the
// dumps hold, errors and restarts included, is pinned by the answer keys
// (tests/answer_keys/).

// Qt's moc cannot read the C++20 library headers the software extended type brings in.
#ifndef Q_MOC_RUN
#include "matematic/extended_arithmetic.h"
#include "matematic/rounding.h"
#if !STRS_SOFTWARE_EXTENDED
#include "matematic/x87.h"
#endif
#endif
#include "shell/picture_file.h"
#include "shell/number_text.h"
#include "app/scripting/replay_session.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using strs::replay::ReplaySession;
using strs::replay::ScriptError;

namespace {

// Runs a script and returns the snapshots it printed.
QList<QJsonObject> run(const QString& script) {
    QList<QJsonObject> dumps;
    ReplaySession session(
        [&dumps](const QByteArray& json) { dumps << QJsonDocument::fromJson(json).object(); });
    session.runScript(script);
    return dumps;
}

QJsonArray series(const QJsonObject& dump, const char* name) {
    return dump[QStringLiteral("series")].toObject()[QString::fromLatin1(name)].toArray();
}

// What the tool itself said on standard error, one line a message (Qt's own warnings
// about the test machine left out).
QByteArray ToolMessages(QProcess& replay) {
    QByteArrayList own;
    for (const QByteArray& line : replay.readAllStandardError().split('\n'))
        if (line.startsWith("strs-replay: "))
            own << line.trimmed();
    return own.join('\n');
}

// strs-replay reading from the test through a pipe.
bool Started(QProcess& replay) {
    replay.start(QStringLiteral(STRS_REPLAY_EXECUTABLE), {});
    return replay.waitForStarted();
}

}  // namespace

class ReplayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void typedTextGoesThroughTheFieldRule() {
        const auto dumps = run(
            QStringLiteral("locale ru_RU\nset E21 \"1,25\"\ntype E21 x\ndump\ntype E21 \"\\\"\"\ndump\n"));
        QCOMPARE(dumps[0][QStringLiteral("fields")].toObject()[QStringLiteral("E21")].toString(),
                 QStringLiteral("1,25"));
        QCOMPARE(dumps[1][QStringLiteral("fields")].toObject()[QStringLiteral("E21")].toString(),
                 QStringLiteral("1,25"));
    }

    // Each exact value is the number its label shows before the page rounded it, in the
    // label's order; captions and labels not yet written have none.
    void valuesAreTheNumbersBehindTheLabels() {
        const auto dumps = run(QStringLiteral("locale ru_RU\ndump\npress BB1\ndump\nselect CB1 1\npress BB1\ndump\n"
                                              "select CB1 2\npress BB1\ndump\npage 2\nset E22 2,9\n"
                                              "press BitBtn1\ndump\n"));
        QVERIFY(dumps[0][QStringLiteral("values")].toObject().isEmpty());
        // After each press: how many numbers L14 and L16 show (sample, theory) and their
        // rounding; the normal law shows the sample only, law 2 two decimals.
        const struct {
            int count;
            double (*round)(double);
        } results[] = {{1, strs::RoundTo3}, {2, strs::RoundTo3}, {2, strs::RoundTo2}, {2, strs::RoundTo2}};
        const QStringList pageOne = QStringLiteral("L14 L16 ch1 ch2 ch3 ch4 ch5").split(u' ');
        for (int d = 1; d < dumps.size(); ++d) {
            const QJsonObject labels = dumps[d][QStringLiteral("labels")].toObject();
            const QJsonObject values = dumps[d][QStringLiteral("values")].toObject();
            QCOMPARE(values.keys(), d < 4 ? pageOne : QStringLiteral("L14 L16 L24 L26").split(u' ') + pageOne.mid(2));
            for (const QString& name : values.keys()) {
                const bool result = name == u"L14" || name == u"L16";
                const QJsonArray numbers = values[name].isArray() ? values[name].toArray() : QJsonArray{values[name]};
                QCOMPARE(numbers.size(), result ? results[d - 1].count : 1);
                QString rest = labels[name].toString();
                for (const QJsonValue& number : numbers) {
                    const QString shown = strs::FloatToStr((result ? results[d - 1].round : strs::RoundTo3)(number.toDouble()));
                    const auto at = rest.indexOf(shown);
                    QVERIFY2(at >= 0, qPrintable(QStringLiteral("%1: %2 in %3").arg(name, shown, labels[name].toString())));
                    rest.remove(0, at + shown.size());
                }
            }
        }
    }

    // Every export of the chart menu, driven by the script.
    void savedChartsDataAndCopyComeOut() {
        QTemporaryDir dir;
        const QString script =
            QStringLiteral("locale ru_RU\npage 3\npress BB3\ncopy Chart32\n"
                           "save Chart31 \"%1/c.bmp\"\nsave Chart31 \"%1/c.png\"\nsave Chart31 \"%1/c.svg\"\n"
                           "savedata Chart31 \"%1/c.csv\"\ndump\n")
                .arg(dir.path());
        const auto dumps = run(script);
        QCOMPARE(dumps[0][QStringLiteral("errors")].toArray().size(), 0);
        for (const char* name : {"c.bmp", "c.png"})
            QCOMPARE(QImage(dir.filePath(QString::fromLatin1(name))).size(), QSize(409, 209));
        QFile drawing(dir.filePath(QStringLiteral("c.svg")));
        QVERIFY(drawing.open(QIODevice::ReadOnly));
        QVERIFY(drawing.readAll().contains("<svg "));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(409, 209));

        QFile data(dir.filePath(QStringLiteral("c.csv")));
        QVERIFY(data.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = data.readAll().split('\n');
        QCOMPARE(lines[0], QByteArray("\xEF\xBB\xBFx;Наблюдения y;Исходный сигнал x;Оценки xx\r"));
        QCOMPARE(lines.size() - 2, series(dumps[0], "Series311").size());
    }

    // A library that changes the x87's precision and rounding between two presses (a
    // driver on Windows) changes no number: every handler sets the labs' mode again.
    void anotherX87ModeBetweenPressesChangesNoNumber() {
#if STRS_SOFTWARE_EXTENDED
        QSKIP("the software extended type has no mode to change");
#else
        const QString script = QStringLiteral(
            "locale ru_RU\npage 4\nradio RG4 1\npress BitBtn2\npress BitBtn2\ndump\npage 2\npress BitBtn1\ndump\n");
        const QList<QJsonObject> expected = run(script);
        QList<QJsonObject> dumps;
        {
            ReplaySession session([&dumps](const QByteArray& json) { dumps << QJsonDocument::fromJson(json).object(); });
            const QStringList lines = script.split(u'\n');
            for (int i = 0; i < lines.size(); ++i) {
                constexpr std::uint16_t k53BitsRoundingUp = 0x0A7F;
                strs::SetX87ControlWord(k53BitsRoundingUp);
                session.execute(strs::replay::ParseScriptLine(lines[i], i + 1));
            }
        }
        strs::SetExtendedPrecisionMode();
        QCOMPARE(dumps, expected);
#endif
    }

    void badLinesNameTheirLine_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown action")
            << QStringLiteral("dump\nfly away") << QStringLiteral("line 2: unknown action 'fly'");
        QTest::newRow("page out of range")
            << QStringLiteral("page 5") << QStringLiteral("line 1: '5' is not a number from 1 to 4");
        QTest::newRow("unknown field")
            << QStringLiteral("set E99 1") << QStringLiteral("line 1: no field named 'E99'");
        QTest::newRow("missing text")
            << QStringLiteral("\n\nset E11") << QStringLiteral("line 3: usage: set FIELD TEXT");
        QTest::newRow("open quote") << QStringLiteral("set E11 \"1,2")
                                    << QStringLiteral("line 1: unterminated quoted text");
        // Qt's search matches any object with an empty name; a script's never does.
        QTest::newRow("empty button name")
            << QStringLiteral("press \"\"") << QStringLiteral("line 1: no button named ''");
        QTest::newRow("empty field name")
            << QStringLiteral("set \"\" 7") << QStringLiteral("line 1: no field named ''");
        QTest::newRow("NUL inside a line")
            << (QStringLiteral("page 2") + QChar(0) + QStringLiteral("junk"))
            << QStringLiteral("line 1: a control character in 'page 2\\x00junk'");
    }
    void badLinesNameTheirLine() {
        QFETCH(QString, script);
        QFETCH(QString, message);
        try {
            run(script);
            QFAIL("the script ran");
        } catch (const ScriptError& e) {
            QCOMPARE(QString::fromStdString(e.what()), message);
        }
    }

    // The window's picture goes through the same atomic write as a chart's: a full disk
    // leaves an old picture whole and a new name without a file, and says so.
    void shotOnAFullDiskKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("win.png"));
        {
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        for (const QString& path : {old, dir.filePath(QStringLiteral("new.png"))}) {
            try {
                ReplaySession session([](const QByteArray&) {});
                session.setDiskSpace(strs::DiskSpace{1000});
                session.runScript(QStringLiteral("locale ru_RU\nshot \"%1\"\n").arg(path));
                QFAIL("the shot was written");
            } catch (const ScriptError& e) {
                QCOMPARE(QString::fromStdString(e.what()),
                         QStringLiteral("line 2: Cannot create file \"%1\". На диске не хватает места.")
                             .arg(QDir::toNativeSeparators(path)));
            }
        }
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("win.png")});
    }

    // Each line runs as it arrives: dumps come out while the input goes on, until the
    // test stops feeding it; a line without an end is cut off at 1 MiB.
    void executableRunsEachLineAsItArrives() {
#ifdef STRS_UNDER_QEMU_USER
        QSKIP("qemu-user cannot start a process from an emulated one");
#endif
        QProcess replay;
        QVERIFY(Started(replay));
        QDeadlineTimer deadline(60000);
        int printed = 0;
        while (printed < 20 && !deadline.hasExpired()) {
            replay.write("dump\n# and a comment that costs nothing\n");
            if (replay.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 1000))))
                printed += int(replay.readAllStandardOutput().count('\n'));
        }
        QCOMPARE(printed >= 20, true);
        replay.write(QByteArray(2 << 20, 'x'));
        replay.closeWriteChannel();
        QVERIFY(replay.waitForFinished(60000));
        QCOMPARE(replay.exitCode(), 1);
        QVERIFY(replay.readAllStandardError().contains(": longer than 1048576 bytes"));
    }

#ifdef Q_OS_UNIX
    // 400 MiB of script through a pipe, under a 200 MiB bound on the heap: a line at a
    // time, the input never has to fit.
    void executableReadsAnInputLargerThanItsMemory() {
#if defined(STRS_UNDER_QEMU_USER) || defined(__SANITIZE_ADDRESS__)
        QSKIP("under qemu-user or the sanitizers the process cannot be bounded this way");
#endif
        QProcess replay;
        replay.setChildProcessModifier([] {
            const rlimit bound{200 << 20, 200 << 20};
            setrlimit(RLIMIT_DATA, &bound);
        });
        QVERIFY(Started(replay));
        const QByteArray line = "# " + QByteArray((1 << 20) - 3, 'x') + "\n";
        for (int i = 0; i < 400; ++i) {
            replay.write(line);
            QVERIFY(replay.waitForBytesWritten(60000));
        }
        replay.write("dump\n");
        replay.closeWriteChannel();
        QVERIFY(replay.waitForFinished(60000));
        QCOMPARE(replay.exitStatus(), QProcess::NormalExit);
        QCOMPARE(replay.exitCode(), 0);
        QCOMPARE(replay.readAllStandardOutput().count('\n'), 1);
    }
#endif

    // A script that cannot be read is named with the reason: a folder, a missing file.
    void unreadableScriptSaysWhy() {
#ifdef STRS_UNDER_QEMU_USER
        QSKIP("qemu-user cannot start a process from an emulated one");
#endif
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.replay"));
        for (const QString& path : {dir.path(), missing}) {
            QProcess replay;
            replay.start(QStringLiteral(STRS_REPLAY_EXECUTABLE), {path});
            QVERIFY(replay.waitForFinished(60000));
            QCOMPARE(replay.exitCode(), 2);
            // The reason is the system's own text, in its words.
            const QString last = QString::fromUtf8(replay.readAllStandardError()).trimmed().section(u'\n', -1);
            const QString named = QStringLiteral("strs-replay: cannot read %1: ").arg(path);
            QVERIFY2(last.startsWith(named) && last.size() > named.size(), qPrintable(last));
        }
    }

    // The same script gives the same output and exit whether it comes through a pipe, as
    // a file on standard input (as CTest gives it) or as a file named, with LF or CR LF;
    // a NUL or a byte that is not UTF-8 stops it at its line in each.
    void scriptReadsAlikeFromAPipeAFileAndItsName_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("dumps");
        QTest::addColumn<QByteArray>("error");
        const QByteArray lines = "# a comment of more than eighty characters as an answer key begins with, "
                                 "and UTF-8: \xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80\n"
                                 "locale ru_RU\npage 3\npress BB3\ndump\nset E32 0,5\npress BB3\ndump\n";
        QTest::newRow("LF") << lines << 2 << QByteArray();
        QTest::newRow("CR LF") << QByteArray(lines).replace("\n", "\r\n") << 2 << QByteArray();
        QTest::newRow("NUL") << QByteArray("dump\nset E11 1,5\0junk\ndump\n", 27) << 1
                             << QByteArray("strs-replay: line 2: a control character in 'set E11 1,5\\x00junk'");
        QTest::newRow("not UTF-8") << QByteArray("dump\nset E11 \xE9\ndump\n") << 1
                                   << QByteArray("strs-replay: line 2: a byte that is not UTF-8: \\xe9 at byte 9");
    }
    void scriptReadsAlikeFromAPipeAFileAndItsName() {
#ifdef STRS_UNDER_QEMU_USER
        QSKIP("qemu-user cannot start a process from an emulated one");
#endif
        QFETCH(QByteArray, script);
        QFETCH(int, dumps);
        QFETCH(QByteArray, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("script.replay"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(script) == script.size());
        file.close();
        QByteArray first;
        for (const char* way : {"pipe", "file on standard input", "file named"}) {
            QProcess replay;
            if (way == QByteArrayView("file on standard input"))
                replay.setStandardInputFile(path);
            replay.start(QStringLiteral(STRS_REPLAY_EXECUTABLE),
                         way == QByteArrayView("file named") ? QStringList{path} : QStringList{});
            if (way == QByteArrayView("pipe")) {
                replay.write(script);
                replay.closeWriteChannel();
            }
            QVERIFY2(replay.waitForFinished(60000), way);
            const QByteArray output = replay.readAllStandardOutput();
            QCOMPARE(output.count('\n'), dumps);
            QCOMPARE(replay.exitCode(), error.isEmpty() ? 0 : 1);
            QCOMPARE(ToolMessages(replay), error);
            if (first.isEmpty())
                first = output;
            QVERIFY2(output == first, way);
        }
    }

    // Output that does not arrive is a failure with its cause and exit code 4, for the
    // dumps and for a class's table alike; a reader that stops early ends the tool quietly.
    void outputThatCannotBeWrittenIsAFailure() {
#if defined(STRS_UNDER_QEMU_USER) || !defined(Q_OS_LINUX)
        QSKIP("needs /dev/full and a process of its own");
#endif
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("class.csv"));
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("page;E32\n3;0,5\n") > 0);
        file.close();
        for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("--variants"), table},
                                        QStringList{QStringLiteral("--variants"), table, QStringLiteral("--html")}}) {
            QProcess replay;
            replay.setStandardOutputFile(QStringLiteral("/dev/full"));
            replay.start(QStringLiteral(STRS_REPLAY_EXECUTABLE), args);
            replay.write("dump\n");
            replay.closeWriteChannel();
            QVERIFY(replay.waitForFinished(60000));
            QCOMPARE(replay.exitCode(), 4);
            QCOMPARE(ToolMessages(replay), QByteArray("strs-replay: cannot write the output: No space left on device"));
        }
    }
    void aReaderThatStopsEarlyEndsTheToolQuietly() {
#if defined(STRS_UNDER_QEMU_USER) || !defined(Q_OS_LINUX)
        QSKIP("needs head(1) and a process of its own");
#endif
        QProcess replay;
        QProcess head;
        replay.setStandardOutputProcess(&head);
        head.start(QStringLiteral("head"), {QStringLiteral("-n"), QStringLiteral("1")});
        QVERIFY(Started(replay));
        replay.write(QByteArray("dump\n").repeated(2000));
        replay.closeWriteChannel();
        QVERIFY(replay.waitForFinished(60000));
        QCOMPARE(replay.exitStatus(), QProcess::NormalExit);
        QCOMPARE(replay.exitCode(), 0);
        QCOMPARE(ToolMessages(replay), QByteArray());
        QVERIFY(head.waitForFinished(60000));
        QCOMPARE(head.readAllStandardOutput().count('\n'), 1);
    }

    void executableStopsWithNonZeroExitOnABadLine() {
#ifdef STRS_UNDER_QEMU_USER
        QSKIP("qemu-user cannot start a process from an emulated one");
#endif
        QProcess replay;
        QVERIFY(Started(replay));
        replay.write("dump\nbogus\n");
        replay.closeWriteChannel();
        QVERIFY(replay.waitForFinished(60000));
        QCOMPARE(replay.exitCode(), 1);
        QVERIFY(replay.readAllStandardError().contains("line 2: unknown action 'bogus'"));
        QCOMPARE(replay.readAllStandardOutput().count('\n'), 1);  // the dump before it
    }
};

QTEST_MAIN(ReplayTest)
#include "tst_replay.moc"
