// The main() of every benchmark that needs the window toolkit: an offscreen application,
// the comma locale, the generator at its start state, and no modal box.

#include "matematic/random.h"
#include "shell/error_guard.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    strs::ResetRandomGenerator();
    // A failing press must not open a modal box in the middle of a measurement.
    strs::SetErrorPresenter([](const QString& text) { qFatal("%s", qPrintable(text)); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
