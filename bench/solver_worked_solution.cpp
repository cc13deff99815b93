// Timing of workedSolution by each method (addition, elimination,
// substitution) on the typical systems of TypicalSystems.h. The
// smart advice of the linear working draws from a fixed-seed source, so that
// every run takes the same path.

#include <cstdint>
#include <random>

#include <benchmark/benchmark.h>

#include "TypicalSystems.h"
#include "algebra/RandomSource.h"
#include "solver/DuolinearModel.h"

namespace {

using namespace duolinear;
using namespace duolinear::bench;

// range(0): the method; range(1): the system.
void workedSolution(benchmark::State& state) {
    const Duolinear_method method = kMethods[state.range(0)];
    const TypicalSystem& c = kTypicalSystems[state.range(1)];
    const DuolinearModel m = typicalModel(c, method);
    SystemRandomSource random{42};
    RandomSource* previous = setDefaultRandomSource(&random);
    for (auto _ : state) benchmark::DoNotOptimize(m.workedSolution());
    setDefaultRandomSource(previous);
    state.SetLabel(rawValue(method) + ": " + c.label);
}

}  // namespace

BENCHMARK(workedSolution)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}});
