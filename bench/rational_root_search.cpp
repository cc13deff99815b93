// The search for a rational root of h·x² + x + h, whose coefficients have very
// many divisors: the search near estimated roots against trying every pair of
// divisors, measured in one run, with their ratio.

#include <chrono>
#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "rational_expressions/RootSearch.h"

namespace {

using namespace duolinear;

// Coefficients with 6720, 64512 and 103680 divisors.
const std::int64_t kCoefficients[] = {963761198400, 74801040398884800, 897612484786617600};

void rootSearchNearEstimates(benchmark::State& state) {
    const std::int64_t h = kCoefficients[state.range(0)];
    const std::vector<std::int64_t> digits{h, 1, h};
    for (auto _ : state) benchmark::DoNotOptimize(firstRationalRoot(digits));
    state.SetLabel("h = " + std::to_string(h));
}
BENCHMARK(rootSearchNearEstimates)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Both searches on the smallest coefficient (every pair takes seconds on the
// larger ones), each timed once an iteration.
void rootSearchAgainstEveryPair(benchmark::State& state) {
    const std::vector<std::int64_t> digits{kCoefficients[0], 1, kCoefficients[0]};
    using Clock = std::chrono::steady_clock;
    double estimated = 0;
    double everyPair = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(firstRationalRoot(digits));
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(firstRationalRoot(digits, UINT64_MAX));
        const auto end = Clock::now();
        estimated += std::chrono::duration<double, std::milli>(middle - start).count();
        everyPair += std::chrono::duration<double, std::milli>(end - middle).count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["estimated_ms"] = estimated / n;
    state.counters["every_pair_ms"] = everyPair / n;
    state.counters["every_pair_per_estimated"] = everyPair / estimated;
}
BENCHMARK(rootSearchAgainstEveryPair)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
