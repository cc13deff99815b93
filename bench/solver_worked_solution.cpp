// Timing of workedSolution by each method (addition, elimination,
// substitution) on a few typical systems: small numbers with one solution,
// three-digit numbers with fractional values, a system with a common factor
// and no solution, and one that takes the single-variable shortcut. The
// smart advice of the linear working draws from a fixed-seed source, so that
// every run takes the same path.

#include <cstdint>
#include <random>

#include <benchmark/benchmark.h>

#include "algebra/RandomSource.h"
#include "solver/DuolinearModel.h"

namespace {

using namespace duolinear;

struct Case {
    const char* label;
    std::int64_t a1, b1, c1, a2, b2, c2;
};

const Case kCases[] = {
    {"2x + 3y = 7, x - y = 1", 2, 3, 7, 1, -1, 1},
    {"-713x + 452y = -999, 881x - 37y = 605", -713, 452, -999, 881, -37, 605},
    {"4x + 6y = 10, 2x + 3y = 7", 4, 6, 10, 2, 3, 7},
    {"2x + 0y = 4, 3x + 5y = 16", 2, 0, 4, 3, 5, 16},
};

constexpr Duolinear_method kMethods[] = {Duolinear_method::addition, Duolinear_method::elimination,
                                         Duolinear_method::substitution};

DuolinearModel model(const Case& c, Duolinear_method method) {
    DuolinearModel m;
    m.coeffs_L_0 = {Rational{c.a1, 1}, Rational{c.b1, 1}};
    m.coeffs_R_0 = {Rational{c.c1, 1}};
    m.coeffs_L_1 = {Rational{c.a2, 1}, Rational{c.b2, 1}};
    m.coeffs_R_1 = {Rational{c.c2, 1}};
    m.method = method;
    return m;
}

// range(0): the method; range(1): the system.
void workedSolution(benchmark::State& state) {
    const Duolinear_method method = kMethods[state.range(0)];
    const Case& c = kCases[state.range(1)];
    const DuolinearModel m = model(c, method);
    SystemRandomSource random{42};
    RandomSource* previous = setDefaultRandomSource(&random);
    for (auto _ : state) benchmark::DoNotOptimize(m.workedSolution());
    setDefaultRandomSource(previous);
    state.SetLabel(rawValue(method) + ": " + c.label);
}

}  // namespace

BENCHMARK(workedSolution)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}});
