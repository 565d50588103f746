// Start-up to a created main window (offscreen, without the splash wait).

#include "shell/main_window.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

static void BM_CreateMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        strs::TForm1 window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
