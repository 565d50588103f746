// Timings of the random variable page: the computation of one press per law alone,
// one whole press per law through the real main window (offscreen), and one repaint of
// the upper chart holding the 1000 values of the normal law.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

#include "app/main_window.h"
#include "labs/random_variable/histogram.h"
#include "labs/random_variable/moments.h"
#include "labs/random_variable/random_variable_laws.h"
#include "matematic/random.h"
#include "shell/error_guard.h"
#include "tests/support/components.h"

using namespace strs::testing;

namespace {

namespace rv = strs::random_variable;

const char* const kLawNames[] = {"normal", "uniform", "weibull", "rayleigh", "exponential"};

rv::LawParameters DefaultParameters() { return {1.2, 1.5}; }

// Everything a press computes, without the controls.
void BM_Compute(benchmark::State& state) {
    const rv::Law& law = *rv::LawAt(static_cast<int>(state.range(0)));
    const rv::LawParameters p = DefaultParameters();
    for (auto _ : state) {
        strs::ResetRandomGenerator();
        const rv::Sample x = rv::DrawSample(law, p);
        const rv::Histogram h = rv::CountHistogram(x);
        const auto scale = rv::RangeScale(h.min, h.max);
        const rv::Moments m = rv::SampleMoments(x);
        benchmark::DoNotOptimize(h.counts.data());
        benchmark::DoNotOptimize(scale.data());
        benchmark::DoNotOptimize(m);
        if (law.density != nullptr) {
            const rv::Curve y = rv::DensityCurve(law, p);
            benchmark::DoNotOptimize(y.data());
        }
        if (law.theory != nullptr) {
            const rv::Moments t = law.theory(p);
            benchmark::DoNotOptimize(t);
        }
    }
    state.SetLabel(kLawNames[state.range(0)]);
}
BENCHMARK(BM_Compute)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// One click of the Refresh button: compute, append the points, write the labels.
void BM_Press(benchmark::State& state) {
    strs::TForm1 w;
    List(w, "CB1")->setCurrentIndex(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        strs::ResetRandomGenerator();
        Button(w, "BB1")->click();
    }
    benchmark::DoNotOptimize(Series(w, "Series11")->points().data());
    state.SetLabel(kLawNames[state.range(0)]);
}
BENCHMARK(BM_Press)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// The upper chart with the normal law's 1000 values, painted at its own size.
void BM_RepaintSampleChart(benchmark::State& state) {
    strs::TForm1 w;
    strs::ResetRandomGenerator();
    Button(w, "BB1")->click();
    QImage image(Chart(w, "Chart11")->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        Chart(w, "Chart11")->paint(painter, image.rect());
    }
    benchmark::DoNotOptimize(image.bits());
}
BENCHMARK(BM_RepaintSampleChart)->Unit(benchmark::kMillisecond);

}  // namespace
