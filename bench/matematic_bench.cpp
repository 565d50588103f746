// Timings of the numerical routines at the sizes the labs use.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "matematic/elementary.h"
#include "matematic/kernels.h"
#include "matematic/matrix.h"
#include "matematic/random.h"

namespace {

using strs::kMatrixOrder;

// The Wiener filter's observation correlation for r = 0.8, D = 1, Dn = 4.
void FillWienerCorrelation(strs::Matrix100& m) {
    for (std::size_t i = 0; i < kMatrixOrder; ++i) {
        for (std::size_t j = 0; j < kMatrixOrder; ++j) {
            const int lag = static_cast<int>(i > j ? i - j : j - i);
            m[i * kMatrixOrder + j] = std::pow(0.8, lag) + (i == j ? 4.0 : 0.0);
        }
    }
}

void BM_InvertMatrix(benchmark::State& state) {
    auto ry = std::make_unique<strs::Matrix100>();
    FillWienerCorrelation(*ry);
    auto q = std::make_unique<strs::Matrix100>();
    for (auto _ : state) {
        *q = *ry;
        strs::InvertMatrix(*q);
        benchmark::DoNotOptimize(q->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InvertMatrix)->Unit(benchmark::kMillisecond);

// The same matrix one step away from symmetry: the general exchange steps.
void BM_InvertMatrixNonSymmetric(benchmark::State& state) {
    auto ry = std::make_unique<strs::Matrix100>();
    FillWienerCorrelation(*ry);
    (*ry)[1] = std::nextafter((*ry)[1], 1.0);
    auto q = std::make_unique<strs::Matrix100>();
    for (auto _ : state) {
        *q = *ry;
        strs::InvertMatrix(*q);
        benchmark::DoNotOptimize(q->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InvertMatrixNonSymmetric)->Unit(benchmark::kMillisecond);

void BM_MatVecMul(benchmark::State& state) {
    auto a = std::make_unique<strs::Matrix100>();
    FillWienerCorrelation(*a);
    strs::Vector100 x;
    for (std::size_t i = 0; i < kMatrixOrder; ++i) {
        x[i] = std::pow(0.8, static_cast<int>(i));
    }
    strs::Vector100 y;
    for (auto _ : state) {
        strs::MatVecMul(*a, x, y);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MatVecMul)->Unit(benchmark::kMicrosecond);

void BM_VecMatMul(benchmark::State& state) {
    auto a = std::make_unique<strs::Matrix100>();
    FillWienerCorrelation(*a);
    strs::Vector100 x;
    for (std::size_t i = 0; i < kMatrixOrder; ++i) {
        x[i] = std::pow(0.8, static_cast<int>(i));
    }
    strs::Vector100 y;
    for (auto _ : state) {
        strs::VecMatMul(x, *a, y);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_VecMatMul)->Unit(benchmark::kMicrosecond);

void BM_DotProduct(benchmark::State& state) {
    strs::Vector100 x;
    for (std::size_t i = 0; i < kMatrixOrder; ++i) {
        x[i] = std::pow(0.8, static_cast<int>(i));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(strs::DotProduct(x, x));
    }
}
BENCHMARK(BM_DotProduct)->Unit(benchmark::kMicrosecond);

// One step of each of the labs' hot kernels (matematic/kernels.h), in nanoseconds: a
// product added to a running sum, ten independent sums at a time as the matrix products
// and lag sums run them, and one element of an inversion step (product, quotient by the
// pivot, difference). Reported as the counter time/step (seconds).
void SetNanosecondsPerStep(benchmark::State& state, std::int64_t steps) {
    state.counters["time/step"] = benchmark::Counter(static_cast<double>(steps) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_KernelProductSumStep(benchmark::State& state) {
    auto a = std::make_unique<strs::Matrix100>();
    FillWienerCorrelation(*a);
    for (auto _ : state) {
        double sums[10] = {};
        for (std::size_t j = 0; j < kMatrixOrder * kMatrixOrder; j += 10) {
            strs::AddProducts(sums, (*a)[j / 10 % kMatrixOrder], &(*a)[j]);
        }
        benchmark::DoNotOptimize(sums);
    }
    SetNanosecondsPerStep(state, kMatrixOrder * kMatrixOrder);
}
BENCHMARK(BM_KernelProductSumStep);

void BM_KernelPivotUpdateStep(benchmark::State& state) {
    auto a = std::make_unique<strs::Matrix100>();
    FillWienerCorrelation(*a);
    auto w = std::make_unique<strs::Matrix100>();
    const strs::PivotDivision pivot((*a)[0]);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kMatrixOrder; ++i) {
            pivot.updateRun(&(*w)[i * kMatrixOrder], &(*a)[i * kMatrixOrder], a->data(), (*a)[i * kMatrixOrder], kMatrixOrder);
        }
        benchmark::DoNotOptimize(w->data());
        benchmark::ClobberMemory();
    }
    SetNanosecondsPerStep(state, kMatrixOrder * kMatrixOrder);
}
BENCHMARK(BM_KernelPivotUpdateStep);

void BM_RandomNormal1000(benchmark::State& state) {
    for (auto _ : state) {
        strs::Extended sum = 0;
        for (int i = 0; i < 1000; ++i) {
            sum += strs::RandomNormal(0, 1);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_RandomNormal1000)->Unit(benchmark::kMicrosecond);

// 1024 arguments from a fixed stream in [lo, hi): each iteration calls the function once
// on each, so the time per call is the iteration's time / 1024 (items per second).
std::vector<strs::Extended> Arguments(strs::Extended lo, strs::Extended hi) {
    std::vector<strs::Extended> arguments(1024);
    std::uint64_t state = 1;
    for (strs::Extended& x : arguments) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        x = lo + (hi - lo) * static_cast<strs::Extended>(state) * 0x1p-64;
    }
    return arguments;
}

void TimeCalls(benchmark::State& state, strs::Extended (*Function)(strs::Extended), strs::Extended lo,
               strs::Extended hi) {
    const std::vector<strs::Extended> arguments = Arguments(lo, hi);
    Function(arguments[0]);  // the tables are built on the first call
    for (auto _ : state) {
        for (strs::Extended x : arguments) {
            benchmark::DoNotOptimize(Function(x));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(arguments.size()));
}
void BM_Ln(benchmark::State& state, strs::Extended lo, strs::Extended hi) { TimeCalls(state, strs::Ln, lo, hi); }
void BM_Exp(benchmark::State& state, strs::Extended lo, strs::Extended hi) { TimeCalls(state, strs::Exp, lo, hi); }
// ln s of the normal variates, s in (0, 1); e^x of the densities, mostly in [-10, 0].
BENCHMARK_CAPTURE(BM_Ln, 0_to_1, 0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Ln, 0_to_10000, 0, 10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Exp, minus10_to_0, -10, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Exp, minus12000_to_12000, -12000, 12000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
