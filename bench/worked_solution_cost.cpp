// What a drawn worked solution costs next to its bare answer. For each method
// and a few typical systems, one run times workedSolution and, interleaved
// with it, the answer alone (systemVerdict: the classification and the
// values, no layouts), so that both see the same machine load. The reported
// time is that of one worked solution; the counters are
//   ratio          worked-solution time / answer-only time,
//   verdict_ns     the answer-only time,
//   allocations    operator new calls per worked solution (counted by the
//                  replacement operators below, frees not counted).
// The smart advice draws from a fixed-seed source, so that every run takes
// the same path.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#include <benchmark/benchmark.h>

#include "TypicalSystems.h"
#include "algebra/RandomSource.h"
#include "solver/Determinants.h"
#include "solver/DuolinearModel.h"

namespace {

thread_local std::uint64_t allocationCount = 0;

void* allocate(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc{};
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    ++allocationCount;
    const std::size_t a = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + a - 1) / a * a;
    if (void* p = std::aligned_alloc(a, rounded == 0 ? a : rounded)) return p;
    throw std::bad_alloc{};
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocationCount;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    ++allocationCount;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

using namespace duolinear;
using namespace duolinear::bench;
using Clock = std::chrono::steady_clock;

// Answers are cheap, so a batch of them is timed per worked solution to keep
// the clock's own cost small next to what it measures.
constexpr int kVerdictsPerSolution = 64;

// The same system as the model builds it: a·x + b·y = c twice.
Duolinear system(const TypicalSystem& c) {
    auto equation = [](std::int64_t a, std::int64_t b, std::int64_t k) {
        return PolyEquation{{Monomial{Rational{a, 1}, 1, 'x'}, Monomial{Rational{b, 1}, 1, 'y'}},
                            {Monomial{Rational{k, 1}, 0}}};
    };
    return Duolinear{{equation(c.a1, c.b1, c.c1), equation(c.a2, c.b2, c.c2)}};
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// range(0): the method; range(1): the system.
void workedSolutionCost(benchmark::State& state) {
    const Duolinear_method method = kMethods[state.range(0)];
    const TypicalSystem& c = kTypicalSystems[state.range(1)];
    const DuolinearModel m = typicalModel(c, method);
    const Duolinear s = system(c);
    SystemRandomSource random{42};
    RandomSource* previous = setDefaultRandomSource(&random);

    double workedSeconds = 0;
    double verdictSeconds = 0;
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        const std::uint64_t before = allocationCount;
        const Clock::time_point t0 = Clock::now();
        benchmark::DoNotOptimize(m.workedSolution());
        const Clock::time_point t1 = Clock::now();
        allocations += allocationCount - before;
        for (int i = 0; i < kVerdictsPerSolution; ++i) benchmark::DoNotOptimize(systemVerdict(s));
        const Clock::time_point t2 = Clock::now();
        workedSeconds += seconds(t1 - t0);
        verdictSeconds += seconds(t2 - t1);
        state.SetIterationTime(seconds(t1 - t0));
    }
    setDefaultRandomSource(previous);

    const double n = static_cast<double>(state.iterations());
    const double verdict = verdictSeconds / (n * kVerdictsPerSolution);
    state.counters["ratio"] = workedSeconds / n / verdict;
    state.counters["verdict_ns"] = verdict * 1e9;
    state.counters["allocations"] = static_cast<double>(allocations) / n;
    state.SetLabel(rawValue(method) + ": " + c.label);
}

}  // namespace

BENCHMARK(workedSolutionCost)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}})->UseManualTime()->Unit(benchmark::kMicrosecond);
