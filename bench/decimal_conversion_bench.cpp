// The shortest digits that read back to a double (every CSV cell and snapshot value)
// against the C++ library's to_chars, numbers a second: on doubles of every bit pattern
// and on the labs' kind of values, normal variates near 1.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <vector>

#include "core/decimal_conversion.h"
#include "matematic/random.h"

namespace {

std::vector<double> AnyPattern() {
    std::vector<double> values;
    std::uint64_t state = 1;
    while (values.size() < 4096) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double v = __builtin_bit_cast(double, state);
        if (v - v == 0) {  // finite
            values.push_back(v);
        }
    }
    return values;
}

std::vector<double> LabValues() {
    strs::ResetRandomGenerator();
    std::vector<double> values(4096);
    for (double& v : values) {
        v = static_cast<double>(strs::RandomNormal(0, 1));
    }
    return values;
}

void Shortest(benchmark::State& state, const std::vector<double>& values) {
    for (auto _ : state) {
        for (const double v : values) {
            benchmark::DoNotOptimize(strs::ShortestDigits(v));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void ToChars(benchmark::State& state, const std::vector<double>& values) {
    char text[32];
    for (auto _ : state) {
        for (const double v : values) {
            benchmark::DoNotOptimize(std::to_chars(text, text + sizeof text, v).ptr);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void BM_ShortestDigits(benchmark::State& state, bool lab) { Shortest(state, lab ? LabValues() : AnyPattern()); }
void BM_LibraryToChars(benchmark::State& state, bool lab) { ToChars(state, lab ? LabValues() : AnyPattern()); }
BENCHMARK_CAPTURE(BM_ShortestDigits, any_pattern, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LibraryToChars, any_pattern, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShortestDigits, normal_variates, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LibraryToChars, normal_variates, true)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
