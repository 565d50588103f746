// Timings of the Kalman and Wiener filter pages: one press through the real main window
// (offscreen), the Wiener estimate alone, one repaint of the Wiener output chart at its
// picture size, and a whole press followed by the repaint of both of its page's charts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

#include "app/main_window.h"
#include "labs/kalman/kalman_filter.h"
#include "labs/wiener/wiener_estimator.h"
#include "matematic/ar_model.h"
#include "matematic/random.h"
#include "shell/radio_group.h"
#include "tests/support/components.h"

using namespace strs::testing;

namespace {

constexpr int N = strs::kWienerBlock;

void Repaint(const strs::ChartWidget& chart, QImage& image) {
    QPainter painter(&image);
    chart.paint(painter, image.rect());
}

QImage ChartImage() { return QImage(409, 209, QImage::Format_RGB32); }

void BM_KalmanPress(benchmark::State& state) {
    strs::TForm1 w;
    for (auto _ : state) {
        Button(w, "BB3")->click();
    }
    benchmark::DoNotOptimize(Series(w, "Series32")->points().data());
}
BENCHMARK(BM_KalmanPress)->Unit(benchmark::kMillisecond);

void BM_KalmanPressWithRepaint(benchmark::State& state) {
    strs::TForm1 w;
    QImage upper = ChartImage();
    QImage lower = ChartImage();
    for (auto _ : state) {
        Button(w, "BB3")->click();
        Repaint(*Chart(w, "Chart32"), upper);
        Repaint(*Chart(w, "Chart31"), lower);
    }
    benchmark::DoNotOptimize(lower.constBits());
}
BENCHMARK(BM_KalmanPressWithRepaint)->Unit(benchmark::kMillisecond);

void BM_KalmanCompute(benchmark::State& state) {
    const double dw = strs::Ar1DrivingVariance(0.9, 1.0);
    const strs::KalmanModel model{0.9, 1.0, dw, 4.0};
    strs::KalmanSequence x{}, y{}, xx{}, p{};
    for (auto _ : state) {
        strs::GenerateAr1(model.r, model.d, model.dw, x.data(), strs::kKalmanSteps);
        strs::AddObservationNoise(x.data(), model.dn, y.data(), strs::kKalmanSteps);
        strs::RunScalarKalmanFilter(model, y, xx, p);
        benchmark::DoNotOptimize(p.data());
    }
}
BENCHMARK(BM_KalmanCompute)->Unit(benchmark::kMicrosecond);

void WienerPress(benchmark::State& state, int order) {
    strs::TForm1 w;
    Radio(w, "RG4")->button(order)->click();
    for (auto _ : state) {
        Button(w, "BitBtn2")->click();
    }
    benchmark::DoNotOptimize(Series(w, "Series411")->points().data());
}

void BM_WienerPressFirstOrder(benchmark::State& state) { WienerPress(state, 0); }
BENCHMARK(BM_WienerPressFirstOrder)->Unit(benchmark::kMillisecond);

void BM_WienerPressSecondOrder(benchmark::State& state) { WienerPress(state, 1); }
BENCHMARK(BM_WienerPressSecondOrder)->Unit(benchmark::kMillisecond);

void BM_WienerPressWithRepaint(benchmark::State& state) {
    strs::TForm1 w;
    QImage upper = ChartImage();
    QImage lower = ChartImage();
    for (auto _ : state) {
        Button(w, "BitBtn2")->click();
        Repaint(*Chart(w, "Chart41"), upper);
        Repaint(*Chart(w, "Chart42"), lower);
    }
    benchmark::DoNotOptimize(lower.constBits());
}
BENCHMARK(BM_WienerPressWithRepaint)->Unit(benchmark::kMillisecond);

// The estimate alone: per press, fresh matrices, Rx, the inversion and the 100 positions.
void BM_WienerCompute(benchmark::State& state) {
    strs::Vector100 x{}, y{}, xx{}, err{};
    strs::GenerateAr1(0.8, 1.0, strs::Ar1DrivingVariance(0.8, 1.0), x.data(), N);
    strs::AddObservationNoise(x.data(), 4.0, y.data(), N);
    for (auto _ : state) {
        auto m = std::make_unique<strs::WienerMatrices>();
        strs::FillAr1Correlation(0.8, 1.0, m->rx);
        strs::EstimateWienerBlock(*m, y, 1.0, 4.0, xx, err);
        benchmark::DoNotOptimize(err.data());
    }
}
BENCHMARK(BM_WienerCompute)->Unit(benchmark::kMillisecond);

void BM_Chart42Repaint(benchmark::State& state) {
    strs::TForm1 w;
    Button(w, "BitBtn2")->click();
    QImage image = ChartImage();
    for (auto _ : state) {
        Repaint(*Chart(w, "Chart42"), image);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_Chart42Repaint)->Unit(benchmark::kMillisecond);

}  // namespace
