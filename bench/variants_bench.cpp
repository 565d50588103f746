// A class's answer keys: 1000 variants of the first lab through the variants runner,
// each a fresh start, one press and one output row (reported as rows per second).

#include "app/scripting/variants.h"

#include <QString>

#include <benchmark/benchmark.h>

static void BM_ThousandLab1Variants(benchmark::State& state) {
    constexpr int kRows = 1000;
    QString csv = QStringLiteral("id;page;law;E11;E12\n");
    for (int i = 0; i < kRows; ++i)
        csv += QStringLiteral("s%1;1;%2;%3;%4\n").arg(i).arg(i % 5).arg(1 + i % 7).arg(0.5 + (i % 3) * 0.25);
    for (auto _ : state) {
        qsizetype written = 0;
        const int bad = strs::replay::RunVariants(
            csv, strs::replay::VariantsFormat::Csv,
            {[&written](const QByteArray& data) { written += data.size(); }, [](const QString&) {}});
        benchmark::DoNotOptimize(written);
        if (bad != 0)
            state.SkipWithError("a variant was rejected");
    }
    state.counters["rows/s"] =
        benchmark::Counter(double(kRows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ThousandLab1Variants)->Unit(benchmark::kSecond)->Iterations(1);
