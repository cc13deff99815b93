// Instructions of quadraticRoots alone on typical equations a·x² + b·x + c = 0:
// whole coefficients with rational roots, a repeated root, fractions with
// irrational roots, and no real roots. Then the decimal layout of single
// irrational roots, for a fixed number of iterations so that instruction
// counts compare between builds.

#include <array>
#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "quadratic/QuadraticRoots.h"
#include "quadratic/RootLayout.h"

namespace {

using namespace duolinear;

// a, b and c.
using Coefficients = std::array<Rational, 3>;

PolyEquation equationOf(const Coefficients& abc) {
    return PolyEquation{{Monomial{abc[0], 2}, Monomial{abc[1], 1}, Monomial{abc[2], 0}}, {Monomial{Rational{0, 1}, 0}}};
}

const std::vector<PolyEquation> kEquations = {
    equationOf({Rational{2, 1}, Rational{4, 1}, Rational{-6, 1}}),   // roots −3 and 1
    equationOf({Rational{1, 1}, Rational{-6, 1}, Rational{9, 1}}),   // 3 twice
    equationOf({Rational{2, 1}, Rational{6, 1}, Rational{-8, 1}}),   // −4 and 1
    equationOf({Rational{1, 2}, Rational{1, 3}, Rational{-1, 1}}),   // −⅓ ∓ ⅓√19
    equationOf({Rational{1, 1}, Rational{2, 1}, Rational{5, 1}}),    // none
};

void quadraticRootsOf(benchmark::State& state) {
    const PolyEquation& equation = kEquations[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(quadraticRoots(equation));
}

// Every equation once per iteration, for one instruction count over all of them.
void quadraticRootsOfAll(benchmark::State& state) {
    for (auto _ : state) {
        for (const PolyEquation& equation : kEquations) benchmark::DoNotOptimize(quadraticRoots(equation));
    }
}

// a + b·√c: parts of opposite signs and of one sign, and a root whose parts
// nearly cancel (the small root of 4y² + 3037000500y − 2 = 0).
const std::vector<Quadratic_solution> kIrrationalRoots = {
    {Rational{1, 1}, Rational{-1, 1}, 2},
    {Rational{-1, 2}, Rational{1, 2}, 3},
    {Rational{1, 3}, Rational{2, 3}, 7},
    {Rational{-1, 3}, Rational{-1, 3}, 19},
    {Rational{-759250125, 2}, Rational{1, 2}, 576460752312515627},
};

// Every root once per iteration.
void decimalRootLayouts(benchmark::State& state) {
    for (auto _ : state) {
        for (const Quadratic_solution& root : kIrrationalRoots) {
            benchmark::DoNotOptimize(rootLayout(root, Style::decimal));
        }
    }
}

}  // namespace

BENCHMARK(quadraticRootsOf)->DenseRange(0, 4);
BENCHMARK(quadraticRootsOfAll);
BENCHMARK(decimalRootLayouts)->Iterations(1000);
