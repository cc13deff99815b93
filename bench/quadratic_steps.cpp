// Timing of quadraticSteps by each method on a few typical equations: small
// whole coefficients with rational roots, sides to rearrange, fractions with
// irrational roots, and no real roots. Then each method in the decimal style
// on equations with irrational roots, whose lines end in the roots' decimal
// digits, for a fixed number of iterations: count the instructions of
// quadraticStepsInDecimals with valgrind --tool=callgrind to compare builds.

#include <cstdint>

#include <benchmark/benchmark.h>

#include "quadratic/QuadraticSteps.h"

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
    {"2x² = 8 − 6x", PolyEquation{{term(2, 1, 2)}, {term(8, 1, 0), term(-6, 1, 1)}}},
    {"½x² + ⅓x = 1", PolyEquation{{term(1, 2, 2), term(1, 3, 1)}, {term(1, 1, 0)}}},
    {"x² + 2x + 5 = 0", PolyEquation{{term(1, 1, 2), term(2, 1, 1), term(5, 1, 0)}, {term(0, 1, 0)}}},
};

const Quadratic_method kMethods[] = {Quadratic_method::factor, Quadratic_method::formula,
                                     Quadratic_method::complete_the_square};

void quadraticStepsByMethod(benchmark::State& state) {
    const Quadratic_method method = kMethods[state.range(0)];
    const Case& c = kCases[state.range(1)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(quadraticSteps(method, c.equation, {.highlight = true}));
    }
    state.SetLabel(rawValue(method) + ": " + c.label);
}

const Case kIrrationalCases[] = {
    {"x² + x − 1 = 0", PolyEquation{{term(1, 1, 2), term(1, 1, 1), term(-1, 1, 0)}, {term(0, 1, 0)}}},
    {"2x² − 3x − 1 = 0", PolyEquation{{term(2, 1, 2), term(-3, 1, 1), term(-1, 1, 0)}, {term(0, 1, 0)}}},
    {"0.2x² + 0.7x = 0.3", PolyEquation{{term(1, 5, 2), term(7, 10, 1)}, {term(3, 10, 0)}}},
};

// The three irrational cases once per iteration, in the decimal style.
void quadraticStepsInDecimals(benchmark::State& state) {
    const Quadratic_method method = kMethods[state.range(0)];
    for (auto _ : state) {
        for (const Case& c : kIrrationalCases) {
            benchmark::DoNotOptimize(quadraticSteps(method, c.equation, {.highlight = true, .style = Style::decimal}));
        }
    }
    state.SetLabel(rawValue(method) + ", decimal style, irrational roots");
}

}  // namespace

BENCHMARK(quadraticStepsByMethod)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}});
BENCHMARK(quadraticStepsInDecimals)->DenseRange(0, 2)->Iterations(300);
