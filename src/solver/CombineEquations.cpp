#include "solver/CombineEquations.h"

#include <utility>

#include "algebra/Checked.h"
#include "algebra/Monomial.h"

namespace duolinear {

namespace {

struct Row {
    CheckedInt a, b, c;
};

std::optional<PolyEquation> rowEquation(const Row& row) {
    if (!row.a || !row.b || !row.c) return std::nullopt;
    return PolyEquation{{Monomial{Rational{*row.a, 1}, 1, 'x'}, Monomial{Rational{*row.b, 1}, 1, 'y'}},
                        {Monomial{Rational{*row.c, 1}, 0}},
                        Relation::equal_to};
}

Row scaled(std::int64_t k, std::int64_t a, std::int64_t b, std::int64_t c) {
    return Row{checkedMultiply(k, a), checkedMultiply(k, b), checkedMultiply(k, c)};
}

// first + s·second
Row combined(const Row& first, const Row& second, std::int64_t s) {
    return Row{checkedAdd(first.a, checkedMultiply(s, second.a)), checkedAdd(first.b, checkedMultiply(s, second.b)),
               checkedAdd(first.c, checkedMultiply(s, second.c))};
}

}  // namespace

std::optional<EquationCombination> combineEquations(const SolverFacts& facts, bool unscaledRows) {
    const std::optional<EliminationMultipliers>& m = facts.multipliers;
    if (!m) return std::nullopt;
    const WholeCoefficients& w = facts.whole;
    const bool add = facts.choices.method == Duolinear_method::addition || !m->sameSign;

    const Row first = unscaledRows ? scaled(1, w.a1, w.b1, w.c1) : scaled(m->k1, w.a1, w.b1, w.c1);
    const Row second = unscaledRows ? scaled(1, w.a2, w.b2, w.c2) : scaled(m->k2, w.a2, w.b2, w.c2);
    const Row result = unscaledRows ? first : combined(first, second, add ? 1 : -1);
    EquationCombination combination{{}, m->k1, m->k2, add ? "+" : "−"};
    combination.equations.reserve(3);
    for (const Row* row : {&first, &second, &result}) {
        std::optional<PolyEquation> equation = rowEquation(*row);
        if (!equation) return std::nullopt;
        combination.equations.push_back(std::move(*equation));
    }
    return combination;
}

}  // namespace duolinear
