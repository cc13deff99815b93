// Instructions of quadraticRoots alone on typical equations: whole
// coefficients with rational roots, a repeated root, fractions with
// irrational roots, and no real roots.

#include <cstdint>

#include <benchmark/benchmark.h>

#include "quadratic/QuadraticRoots.h"

namespace {

using namespace duolinear;

Monomial term(std::int64_t n, std::int64_t d, std::uint64_t exponent) {
    return Monomial{Rational{n, d}, exponent};
}

struct Case {
    const char* label;
    PolyEquation equation;
};

const Case kCases[] = {
    {"2x² + 4x − 6 = 0", PolyEquation{{term(2, 1, 2), term(4, 1, 1), term(-6, 1, 0)}, {term(0, 1, 0)}}},
    {"x² − 6x + 9 = 0", PolyEquation{{term(1, 1, 2), term(-6, 1, 1), term(9, 1, 0)}, {term(0, 1, 0)}}},
    {"2x² = 8 − 6x", PolyEquation{{term(2, 1, 2)}, {term(8, 1, 0), term(-6, 1, 1)}}},
    {"½x² + ⅓x = 1", PolyEquation{{term(1, 2, 2), term(1, 3, 1)}, {term(1, 1, 0)}}},
    {"x² + 2x + 5 = 0", PolyEquation{{term(1, 1, 2), term(2, 1, 1), term(5, 1, 0)}, {term(0, 1, 0)}}},
};

void quadraticRootsOf(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(quadraticRoots(c.equation));
    state.SetLabel(c.label);
}

// Every case once per iteration, for one instruction count over all of them.
void quadraticRootsOfAll(benchmark::State& state) {
    for (auto _ : state) {
        for (const Case& c : kCases) benchmark::DoNotOptimize(quadraticRoots(c.equation));
    }
}

}  // namespace

BENCHMARK(quadraticRootsOf)->DenseRange(0, 4);
BENCHMARK(quadraticRootsOfAll);
