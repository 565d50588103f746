// Start-up to a created main window (offscreen, without the splash wait).

#include "app/main_window.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

static void BM_CreateMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        strs::TForm1 window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);
