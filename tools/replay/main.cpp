// strs-replay: runs a script of user actions on the real main window, offscreen, and
// prints a JSON snapshot for every "dump" line. Answer keys for teachers and the
// end-to-end harness of the tests.
//
//   strs-replay [SCRIPT]      (the script from a file, or from standard input)

#include "matematic/x87.h"
#include "tools/replay/replay_session.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    strs::SetExtendedPrecisionMode();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() > 1) {
        std::fputs("usage: strs-replay [SCRIPT]\n", stderr);
        return 2;
    }
    QFile input;
    const bool fromFile = !args.isEmpty() && args[0] != QLatin1String("-");
    if (fromFile)
        input.setFileName(args[0]);
    const bool opened = fromFile ? input.open(QIODevice::ReadOnly)
                                 : input.open(stdin, QIODevice::ReadOnly);
    if (!opened) {
        std::fprintf(stderr, "strs-replay: cannot read %s\n", qPrintable(args.value(0)));
        return 2;
    }
    const QString script = QString::fromUtf8(input.readAll());

    try {
        strs::replay::ReplaySession session([](const QByteArray& json) {
            std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
        session.runScript(script);
    } catch (const strs::replay::ScriptError& e) {
        std::fprintf(stderr, "strs-replay: %s\n", e.what());
        return 1;
    }
    return 0;
}
