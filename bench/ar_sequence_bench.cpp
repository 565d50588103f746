// Timings of the autoregressive sequence page: one press per order through the real
// main window (offscreen), the computation alone, the correlation sums, and one repaint
// of the correlation chart at its picture size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

#include "app/main_window.h"
#include "labs/ar_sequence/correlation.h"
#include "labs/ar_sequence/sequence_study.h"
#include "matematic/random.h"
#include "shell/radio_group.h"
#include "support/lagged_product_sums_plain.h"
#include "tests/support/components.h"

using namespace strs::testing;

namespace {

void BM_FirstOrderPress(benchmark::State& state) {
    strs::TForm1 w;
    for (auto _ : state) {
        Button(w, "BitBtn1")->click();
    }
    benchmark::DoNotOptimize(Series(w, "Series22")->points().data());
}
BENCHMARK(BM_FirstOrderPress)->Unit(benchmark::kMillisecond);

void BM_SecondOrderPress(benchmark::State& state) {
    strs::TForm1 w;
    Radio(w, "RG2")->button(1)->click();
    for (auto _ : state) {
        Button(w, "BitBtn1")->click();
    }
    benchmark::DoNotOptimize(Series(w, "Series22")->points().data());
}
BENCHMARK(BM_SecondOrderPress)->Unit(benchmark::kMillisecond);

void BM_FirstOrderCompute(benchmark::State& state) {
    for (auto _ : state) {
        strs::ArSequenceStudy study;
        strs::GenerateFirstOrder(0.8, 1.0, study);
        strs::MeasureVariance(study);
        strs::MeasureCorrelation(study);
        strs::FirstOrderCorrelation(0.8, study.theoretical);
        benchmark::DoNotOptimize(study.experimental.data());
    }
}
BENCHMARK(BM_FirstOrderCompute)->Unit(benchmark::kMillisecond);

void BM_SecondOrderCompute(benchmark::State& state) {
    for (auto _ : state) {
        strs::ArSequenceStudy study;
        const strs::Ar2Coefficients c = strs::GenerateSecondOrder(0.8, 0.9, 1.0, study);
        strs::MeasureVariance(study);
        strs::MeasureCorrelation(study);
        strs::SecondOrderCorrelation(c, study.theoretical);
        benchmark::DoNotOptimize(study.experimental.data());
    }
}
BENCHMARK(BM_SecondOrderCompute)->Unit(benchmark::kMillisecond);

// The 200 lag sums over 10 000 values: several lags per pass against one loop per lag.
std::vector<double> SecondOrderSequence() {
    strs::ArSequenceStudy study;
    strs::GenerateSecondOrder(0.8, 0.9, 1.0, study);
    return study.x;
}

void BM_LagSumsBlocked(benchmark::State& state) {
    const std::vector<double> x = SecondOrderSequence();
    std::vector<double> s(strs::kArLags);
    for (auto _ : state) {
        strs::LaggedProductSums(x.data(), strs::kArSecondOrderLength, strs::kArLags, s.data());
        benchmark::DoNotOptimize(s.data());
    }
}
BENCHMARK(BM_LagSumsBlocked)->Unit(benchmark::kMillisecond);

void BM_LagSumsPlain(benchmark::State& state) {
    const std::vector<double> x = SecondOrderSequence();
    std::vector<double> s(strs::kArLags);
    for (auto _ : state) {
        strs::LaggedProductSumsPlain(x.data(), strs::kArSecondOrderLength, strs::kArLags, s.data());
        benchmark::DoNotOptimize(s.data());
    }
}
BENCHMARK(BM_LagSumsPlain)->Unit(benchmark::kMillisecond);

void BM_Chart22Repaint(benchmark::State& state) {
    strs::TForm1 w;
    Radio(w, "RG2")->button(1)->click();
    Button(w, "BitBtn1")->click();
    QImage image(409, 209, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        Chart(w, "Chart22")->paint(painter, image.rect());
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_Chart22Repaint)->Unit(benchmark::kMillisecond);

}  // namespace
