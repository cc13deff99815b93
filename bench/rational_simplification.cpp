// Whole simplifications of rational expressions without zero terms, one
// expression a run: every step until none applies, then the final-form
// check. A fixed number of iterations, so that instruction counts
// (valgrind --tool=callgrind) compare between builds.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <benchmark/benchmark.h>

#include "rational_expressions/Rational_Expression.h"

namespace {

using namespace duolinear;

using Step = std::function<std::optional<ExpressionPictures>(const Rational_Expression&)>;

const std::vector<Step> kSteps{zeroTermPictures,
                               sortedPictures,
                               negativeOnePictures,
                               [](const Rational_Expression& e) { return commonFactorPictures(e); },
                               factorPictures,
                               cancellationPictures,
                               splitCommonMonomialPictures,
                               sharedFactorPictures};

// A group of terms c·x^e, given as {c, e} pairs.
TermGroup group(const std::vector<std::pair<std::int64_t, std::uint64_t>>& terms) {
    TermGroup result;
    for (const auto& [c, e] : terms) result.push_back(Term_XL{Monomial{Rational{c, 1}, e}, {}});
    return result;
}

// c·x^e times every group before it, each to the power 1.
Polynomial_XL product(std::vector<TermGroup> groups, std::int64_t c, std::uint64_t e) {
    Term_XL root{Monomial{Rational{c, 1}, e}, {}};
    for (std::size_t k = 0; k < groups.size(); ++k) root.factors.push_back(Factor{k, 1});
    groups.push_back({root});
    return Polynomial_XL{std::move(groups)};
}

Polynomial_XL plain(const std::vector<std::pair<std::int64_t, std::uint64_t>>& terms) {
    return Polynomial_XL{{group(terms)}};
}

const std::vector<Rational_Expression> kExpressions{
    // (x² − 1)(x + 2) / (x + 1)
    {product({group({{1, 2}, {-1, 0}}), group({{1, 1}, {2, 0}})}, 1, 0), plain({{1, 1}, {1, 0}})},
    // (2x + 4)(x − 1) / (x² + x − 2)
    {product({group({{2, 1}, {4, 0}}), group({{1, 1}, {-1, 0}})}, 1, 0), plain({{1, 2}, {1, 1}, {-2, 0}})},
    // (x + 1)(x − 3) / ((x + 2)(3 − x))
    {product({group({{1, 1}, {1, 0}}), group({{1, 1}, {-3, 0}})}, 1, 0),
     product({group({{1, 1}, {2, 0}}), group({{3, 0}, {-1, 1}})}, 1, 0)},
    // 2x(2x² + 4x + 6) / 8
    {product({group({{2, 2}, {4, 1}, {6, 0}})}, 2, 1), plain({{8, 0}})},
    // (x² − 5x + 6) / (x² − 4)
    {plain({{1, 2}, {-5, 1}, {6, 0}}), plain({{1, 2}, {-4, 0}})},
    // (27x⁸ − 9x⁷ + 15x⁶ − 5x⁵ − 6x⁴ + 2x³ + 3x² + 503x − 168) / (3x − 1)
    {plain({{27, 8}, {-9, 7}, {15, 6}, {-5, 5}, {-6, 4}, {2, 3}, {3, 2}, {503, 1}, {-168, 0}}),
     plain({{3, 1}, {-1, 0}})},
};

void wholeRationalSimplification(benchmark::State& state) {
    const Rational_Expression& start = kExpressions[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        Rational_Expression e = start;
        for (int round = 0; round < 100; ++round) {
            std::optional<ExpressionPictures> pictures;
            for (const Step& step : kSteps) {
                if ((pictures = step(e))) break;
            }
            if (!pictures) break;
            e = recolored((*pictures)[1], Color::black);
        }
        benchmark::DoNotOptimize(finalFormPictures(e));
    }
}
BENCHMARK(wholeRationalSimplification)->DenseRange(0, 5)->Iterations(200);

}  // namespace
