// A report holds what the window showed for each chosen press: every parameter as typed
// and every result number as shown, in its PDF's text and in its ODT's content; a press
// that failed shows its error. The pages as pictures are left by the end-to-end run
// (tests/e2e/report.sh) to be looked at.

#include "app/main_window.h"
#include "app/scripting/replay_session.h"
#include "app/scripting/session_recorder.h"
#include "app/session/press_capture.h"
#include "app/session/replay_report.h"
#include "app/session/report_dialog.h"
#include "app/session/workbench.h"
#include "matematic/random.h"
#include "shell/translations.h"
#include "support/error_recorder.h"

#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using strs::replay::ReplaySession;

namespace {

// Two presses of page 1 (the first not in the report), the second order of page 2, a
// failed press of page 3 after a good one, page 4 in the second order.
const QString kSession = QStringLiteral(
    "locale ru_RU\n"
    "press BB1\nselect CB1 2\nset E11 2,25\nset E12 1,75\npress BB1\n"
    "page 2\nradio RG2 1\nset E21 0,55\nset Es 0,35\nset E22 2,5\npress BitBtn1\n"
    "page 3\nset E32 0,85\npress BB3\nset E33 -1\npress BB3\n"
    "page 4\nradio RG4 1\nset E43 3,5\npress BitBtn2\n");

// The program's own tools for reading what a report holds.
QByteArray Output(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// What the window showed after the presses the report is to hold: the parameters of each
// as typed and the texts of its results.
QStringList ShownTexts(ReplaySession& session) {
    QStringList texts;
    const auto& record = session.recorder().record();
    for (std::size_t index : strs::session::DefaultReportPresses(record.presses()))
        for (const auto& [caption, text] : record.presses()[index].parameters)
            texts << caption << text;
    for (const char* name : {"L14", "L16", "L24", "L26"})
        texts << session.window().findChild<QLabel*>(QString::fromLatin1(name))->text();
    return texts;
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        strs::InstallTranslations(strs::UiLanguage::Russian);
    }

    // The last press of each page that ran is ticked: the first press of page 1 and the
    // failed one of page 3 are not.
    void theLastGoodPressOfEachPageIsChosen() {
        ReplaySession session([](const QByteArray&) {});
        session.runScript(kSession);
        const auto& presses = session.recorder().record().presses();
        QCOMPARE(presses.size(), std::size_t(6));
        QCOMPARE(strs::session::DefaultReportPresses(presses), (std::vector<std::size_t>{1, 2, 3, 5}));
        QVERIFY(!presses[4].error.isEmpty());
    }

    // A failed press chosen by hand shows its error instead of results; the window the
    // student works in keeps its generator.
    void aFailedPressShowsItsErrorAndTheWindowKeepsItsStream() {
        ReplaySession session([](const QByteArray&) {});
        session.runScript(kSession);
        const std::uint32_t stream = strs::RandomGeneratorState();
        const auto captures = strs::session::CapturePresses(session.recorder().record(), {3, 4});
        QCOMPARE(strs::RandomGeneratorState(), stream);
        QCOMPARE(captures.size(), std::size_t(2));
        QVERIFY(captures[0].error.isEmpty());
        QCOMPARE(captures[0].charts.size(), std::size_t(2));
        QCOMPARE(captures[1].error, session.recorder().record().presses()[4].error);
        QCOMPARE(captures[1].charts.front().legend.size(), std::size_t(1));
    }

    void reportHoldsEveryParameterAndResult_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("PDF") << QStringLiteral("report.pdf");
        QTest::newRow("ODT") << QStringLiteral("report.odt");
    }
    void reportHoldsEveryParameterAndResult() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        ReplaySession session([](const QByteArray&) {});
        strs::session::AddReportAction(session);
        session.runScript(kSession + QStringLiteral("report \"%1\"\n").arg(path));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith(name.endsWith(QLatin1String(".pdf")) ? "%PDF-" : "PK\x03\x04"));
#if defined(Q_OS_WIN) || defined(STRS_UNDER_QEMU_USER)
        QSKIP("its text is read back by pdftotext and unzip, which a Linux process of its own must start");
#endif
        const QByteArray text = name.endsWith(QLatin1String(".pdf"))
                                    ? Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                    : Output(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("content.xml")});
        QVERIFY2(!text.isEmpty(), "the report could not be read back");
        const QString readBack = QString::fromUtf8(text);
        for (const QString& shown : ShownTexts(session))
            QVERIFY2(readBack.contains(shown.toHtmlEscaped()) || readBack.contains(shown), qPrintable(shown));
        QVERIFY(readBack.contains(QStringLiteral("Исследование фильтра Винера")));
        QVERIFY(readBack.contains(QStringLiteral("press BitBtn2")));  // the record, in the appendix
        QVERIFY(!readBack.contains(QStringLiteral("Нормальное распределение")));  // the first press is not in it
    }
};

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
