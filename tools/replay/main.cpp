// strs-replay: runs a script of user actions on the real main window, offscreen, and
// prints a JSON snapshot for every "dump" line. Answer keys for teachers and the
// end-to-end harness of the tests.
//
//   strs-replay [SCRIPT]      (the script from a file, or from standard input)
//   strs-replay --variants FILE.csv [--html]   (one output row per variant)

#include "matematic/extended_arithmetic.h"
#include "core/information_option.h"
#include "tools/replay/replay_session.h"
#include "tools/replay/variants.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <new>

namespace {

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
void CannotRead(const QFile& file, const QString& name) {
    std::fprintf(stderr, "strs-replay: cannot read %s: %s\n", qPrintable(name), qPrintable(file.errorString()));
}

void Print(const QByteArray& data) { std::fwrite(data.constData(), 1, std::size_t(data.size()), stdout); }

// --variants FILE.csv [--html]: exit code 1 when a row was bad, 2 when nothing could run.
int RunVariantsFile(QStringList args) {
    const bool html = args.removeAll(QStringLiteral("--html")) > 0;
    if (args.size() != 2 || args[0] != QLatin1String("--variants")) {
        std::fputs("usage: strs-replay --variants FILE.csv [--html]\n", stderr);
        return 2;
    }
    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly)) {
        CannotRead(input, args[1]);
        return 2;
    }
    const strs::replay::VariantsOutput output{Print, [](const QString& message) {
                                                  std::fprintf(stderr, "strs-replay: %s\n",
                                                               message.toUtf8().constData());
                                              }};
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
    std::fflush(stdout);
    return badRows > 0 ? 1 : 0;
}

// Runs the script or the variants the arguments name; returns the exit code.
int Run(QStringList args) {
    if (args.value(0) == QLatin1String("--variants") || args.value(1) == QLatin1String("--variants"))
        return RunVariantsFile(args);
    if (args.size() > 1) {
        std::fputs("usage: strs-replay [SCRIPT]\n", stderr);
        return 2;
    }
    QFile input;
    const bool fromFile = !args.isEmpty() && args[0] != QLatin1String("-");
    if (fromFile)
        input.setFileName(args[0]);
    const bool opened = fromFile ? input.open(QIODevice::ReadOnly) : input.open(stdin, QIODevice::ReadOnly);
    if (!opened) {
        CannotRead(input, args.value(0));
        return 2;
    }
    try {
        strs::replay::ReplaySession session([](const QByteArray& json) {
            std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
        session.runStream(input);
    } catch (const strs::replay::ScriptError& e) {
        std::fprintf(stderr, "strs-replay: %s\n", e.what());
        return 1;
    }
    return 0;
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

    try {
        return Run(QCoreApplication::arguments().mid(1));
    } catch (const std::bad_alloc&) {
        std::fputs("strs-replay: out of memory\n", stderr);
        return 3;
    }
}
