// Timing of linearEquationSteps on a few typical equations: a bare division,
// collecting terms from both sides, clearing fractions, and clearing decimals.
// The smart advice draws from a fixed-seed source so that every run takes the
// same path.

#include <cstdint>
#include <random>

#include <benchmark/benchmark.h>

#include "algebra/RandomSource.h"
#include "linear_steps/LinearEquationSteps.h"

namespace {

using namespace duolinear;

Monomial variable(std::int64_t n, std::int64_t d = 1) {
    return Monomial{Rational{n, d}, 1};
}
Monomial number(std::int64_t n, std::int64_t d = 1) {
    return Monomial{Rational{n, d}, 0};
}

struct Case {
    const char* label;
    Style style;
    PolyEquation equation;
};

const Case kCases[] = {
    {"2x = 6", Style::fraction, PolyEquation{{variable(2)}, {number(6)}}},
    {"2x + 3 = 5x + 7", Style::fraction, PolyEquation{{variable(2), number(3)}, {variable(5), number(7)}}},
    {"x/2 + 1/3 < 5/4", Style::rational_fraction,
     PolyEquation{{variable(1, 2), number(1, 3)}, {number(5, 4)}, Relation::less_than}},
    {"0.3x + 0.01 = 2", Style::decimal, PolyEquation{{variable(3, 10), number(1, 100)}, {number(2)}}},
};

void linearSteps(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    SystemRandomSource random{42};
    for (auto _ : state) {
        benchmark::DoNotOptimize(linearEquationSteps(
            c.equation, {.technique = Technique::balance, .highlight = true, .style = c.style, .random = &random}));
    }
    state.SetLabel(c.label);
}

}  // namespace

BENCHMARK(linearSteps)->DenseRange(0, 3);
