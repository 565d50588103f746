// Timings of the chart widget: one full paint at the saved picture's size (409 x 209)
// of a 1000-point line chart (the random variable page) and of the 15-bar histogram,
// and the picture as the Save command renders it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <cmath>
#include <memory>

#include "shell/chart_widget.h"
#include "shell/colours.h"

namespace {

constexpr QSize kChartSize(409, 209);

std::unique_ptr<strs::ChartWidget> LineChart(int points) {
    auto chart = std::make_unique<strs::ChartWidget>();
    chart->resize(kChartSize);
    chart->setTitleLines({QStringLiteral("Случайная величина")});
    strs::ChartSeries* s =
        chart->addSeries(QStringLiteral("Series11"), strs::ChartSeries::Kind::Line, strs::clRed);
    for (int i = 0; i < points; ++i)
        s->appendValue(1.2 + 0.3 * std::sin(i * 1.7) * std::cos(i * 0.31), strs::clRed);
    return chart;
}

std::unique_ptr<strs::ChartWidget> Histogram() {
    auto chart = std::make_unique<strs::ChartWidget>();
    chart->resize(kChartSize);
    chart->setTitleLines({QStringLiteral("Гистограмма")});
    chart->setBottomLabelsVisible(false);
    chart->setBottomMarginPercent(7);
    strs::ChartSeries* s =
        chart->addSeries(QStringLiteral("Series12"), strs::ChartSeries::Kind::Bar, strs::clHistogram);
    for (int i = 0; i < 15; ++i)
        s->appendBar(10 + 90 * std::exp(-(i - 7) * (i - 7) / 8.0), strs::clHistogram);
    return chart;
}

void PaintInto(benchmark::State& state, const strs::ChartWidget& chart) {
    QImage image(kChartSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.paint(painter, QRect(QPoint(0, 0), kChartSize));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintLine1000(benchmark::State& state) {
    const auto chart = LineChart(1000);
    PaintInto(state, *chart);
}
BENCHMARK(BM_PaintLine1000)->Unit(benchmark::kMicrosecond);

void BM_PaintBars15(benchmark::State& state) {
    const auto chart = Histogram();
    PaintInto(state, *chart);
}
BENCHMARK(BM_PaintBars15)->Unit(benchmark::kMicrosecond);

void BM_RenderImageLine1000(benchmark::State& state) {
    const auto chart = LineChart(1000);
    for (auto _ : state) {
        QImage picture = chart->renderImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_RenderImageLine1000)->Unit(benchmark::kMicrosecond);

void BM_Append1000Points(benchmark::State& state) {
    for (auto _ : state) {
        const auto chart = LineChart(1000);
        benchmark::DoNotOptimize(chart->allSeries().front()->points().data());
    }
}
BENCHMARK(BM_Append1000Points)->Unit(benchmark::kMicrosecond);

}  // namespace
