// strs-replay: runs a script of user actions on the real main window, offscreen, and
// prints a JSON snapshot for every "dump" line. Answer keys for teachers and the
// end-to-end harness of the tests.
//
//   strs-replay [SCRIPT]      (the script from a file, or from standard input)
//   strs-replay --variants FILE.csv [--html]   (one output row per variant)

#include "matematic/extended_arithmetic.h"
#include "core/information_option.h"
#include "tools/replay/checked_output.h"
#include "app/scripting/replay_session.h"
#include "app/session/replay_report.h"
#include "tools/replay/standard_input.h"
#include "app/scripting/variants.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>

#include <cstdio>
#include <new>

namespace {

using strs::replay::CheckedOutput;
using strs::replay::StandardInput;

constexpr int kOutputFailed = 4;  // exit code when the output could not be written

constexpr const char* kHelp =
    "usage: strs-replay [SCRIPT]\n"
    "       strs-replay --variants FILE.csv [--html]\n"
    "Carries out a script of user actions (one a line) on the workbench's main window,\n"
    "offscreen, and prints a JSON snapshot for every \"dump\" line. The script is read\n"
    "from the file SCRIPT, or from standard input when SCRIPT is absent or \"-\".\n"
    "\n"
    "  --variants FILE.csv  run each row of FILE.csv (page, law, order, field values)\n"
    "             from a fresh start with one press of Refresh, and print a CSV row\n"
    "             with the page's labels and the error text for each\n"
    "  --html     print the variants' table as a printable HTML page\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "The actions are described in strs-replay(1).\n";

// The file that cannot be opened, and why (missing, a folder, no permission).
void CannotRead(const QString& name, const QString& why) {
    std::fprintf(stderr, "strs-replay: cannot read %s: %s\n", qPrintable(name), qPrintable(why));
}

void SayProblem(const QString& message) { std::fprintf(stderr, "strs-replay: %s\n", message.toUtf8().constData()); }

// --variants FILE.csv [--html]: exit code 1 when a row was bad, 2 when nothing could run.
int RunVariantsFile(QStringList args, CheckedOutput& out) {
    const bool html = args.removeAll(QStringLiteral("--html")) > 0;
    if (args.size() != 2 || args[0] != QLatin1String("--variants")) {
        std::fputs("usage: strs-replay --variants FILE.csv [--html]\n", stderr);
        return 2;
    }
    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly)) {
        CannotRead(args[1], input.errorString());
        return 2;
    }
    const strs::replay::VariantsOutput output{[&out](const QByteArray& bytes) { out.write(bytes); }, SayProblem};
    const auto format = html ? strs::replay::VariantsFormat::Html : strs::replay::VariantsFormat::Csv;
    // A pipe cannot be read twice: it is held in memory instead.
    int badRows = 0;
    if (input.isSequential()) {
        QByteArray bytes = input.readAll();
        QBuffer held(&bytes);
        held.open(QIODevice::ReadOnly);
        badRows = strs::replay::RunVariants(held, format, output);
    } else {
        badRows = strs::replay::RunVariants(input, format, output);
    }
    return badRows > 0 ? 1 : 0;
}

// The script from the file named, or from standard input.
int RunScript(const QStringList& args, CheckedOutput& out) {
    const bool fromFile = !args.isEmpty() && args[0] != QLatin1String("-");
    QFile file(fromFile ? args[0] : QString());
    if (fromFile && !file.open(QIODevice::ReadOnly)) {
        CannotRead(args[0], file.errorString());
        return 2;
    }
    StandardInput standardInput;
    QIODevice& input = fromFile ? static_cast<QIODevice&>(file) : standardInput;
    try {
        strs::replay::ReplaySession session([&out](const QByteArray& json) { out.writeLine(json); });
        strs::session::AddReportAction(session);
        session.runStream(input);
    } catch (const strs::replay::ScriptError& e) {
        std::fprintf(stderr, "strs-replay: %s\n", e.what());
        return 1;
    }
    const QString failure = fromFile ? (file.error() == QFileDevice::NoError ? QString() : file.errorString())
                                     : standardInput.failure();
    if (!failure.isEmpty()) {
        CannotRead(fromFile ? args[0] : QStringLiteral("the standard input"), failure);
        return 2;
    }
    return 0;
}

// Runs the script or the variants the arguments name; returns the exit code.
int Run(QStringList args, CheckedOutput& out) {
    if (args.value(0) == QLatin1String("--variants") || args.value(1) == QLatin1String("--variants"))
        return RunVariantsFile(args, out);
    if (args.size() > 1) {
        std::fputs("usage: strs-replay [SCRIPT]\n", stderr);
        return 2;
    }
    return RunScript(args, out);
}

// What a run ends with once its output is closed: a failed write outweighs the run's own
// status, except where the reader stopped reading early, which ends the tool quietly.
int Finished(int status, CheckedOutput& out) {
    if (out.finish() || out.readerGone())
        return status;
    SayProblem(QStringLiteral("cannot write the output: %1").arg(out.failure()));
    return kOutputFailed;
}

}  // namespace

int main(int argc, char* argv[]) {
    strs::SetExtendedPrecisionMode();
    if (const auto text = strs::InformationRequested(argc, argv, "strs-replay", kHelp)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    CheckedOutput out;
    try {
        return Finished(Run(QCoreApplication::arguments().mid(1), out), out);
    } catch (const strs::replay::OutputFailed&) {
        return Finished(0, out);
    } catch (const std::bad_alloc&) {
        std::fputs("strs-replay: out of memory\n", stderr);
        return 3;
    } catch (const std::exception& e) {  // never an abort without a word
        std::fprintf(stderr, "strs-replay: %s\n", e.what());
        return 2;
    }
}
