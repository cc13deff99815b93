#include "solver/GcdSimplification.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Term.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "solver/SolverLineTools.h"

namespace duolinear {

namespace {

struct WholeEquation {
    std::int64_t a = 0, b = 0, c = 0;
};

std::optional<std::int64_t> commonFactor(const WholeEquation& e) {
    const std::optional<std::int64_t> ab = gcd(e.a, e.b);
    if (!ab) return std::nullopt;
    return gcd(*ab, e.c);
}

Rational whole(std::int64_t n) {
    return Rational{n, 1};
}

// g(a/g·x + b/g·y) = g(c/g): on each side the reduced terms in group 0 and
// the factor g multiplying it as the top-level sum.
Ext_polyEquation factoredEquation(const WholeEquation& reduced, std::int64_t g) {
    const Term factor{Monomial{whole(g), 0}, SubExpression{true, 0}};
    // Each side's groups are made in place (a braced list of groups would copy them).
    const auto side = [&factor](std::initializer_list<Term> terms) {
        Ext_polynomial made;
        made.terms.reserve(2);
        made.terms.emplace_back(terms);
        made.terms.emplace_back(1, factor);
        return made;
    };
    return Ext_polyEquation{
        side({plainTerm(Monomial{whole(reduced.a), 1, 'x'}), plainTerm(Monomial{whole(reduced.b), 1, 'y'})}),
        side({plainTerm(Monomial{whole(reduced.c), 0})}), Relation::equal_to};
}

PolyEquation plainEquation(const WholeEquation& e) {
    return PolyEquation{
        {Monomial{whole(e.a), 1, 'x'}, Monomial{whole(e.b), 1, 'y'}}, {Monomial{whole(e.c), 0}}, Relation::equal_to};
}

// shown: the equation as the step's opening lines show it; it is shown again
// above its simplification.
void appendSimplification(StepLines& lines, const std::string& ordinal, TagLayout shown, const WholeEquation& e,
                          std::int64_t g) {
    // g is positive, so the divisions are exact and keep the signs.
    const WholeEquation reduced{e.a / g, e.b / g, e.c / g};
    appendLines(lines, blankLayouts(2));
    lines.push_back(messageLayout(ordinal + " equation simplifies"));
    lines.push_back(messageLayout(std::to_string(g) + " is GCD of " + std::to_string(e.a) + ", " + std::to_string(e.b) +
                                  " and " + std::to_string(e.c)));
    appendLines(lines, blankLayouts(1));
    lines.push_back(std::move(shown));
    lines.push_back(extEquationLayout(Style::rational_fraction, factoredEquation(reduced, g)));
    lines.push_back(equationLayout(plainEquation(reduced), Style::rational_fraction));
}

}  // namespace

Outcome<SolverFrame> simplifyByGCD(const SolverFacts& facts) {
    using Result = Outcome<SolverFrame>;
    const Duolinear& system = facts.system;
    const WholeCoefficients& w = facts.whole;
    const WholeEquation equations[] = {{w.a1, w.b1, w.c1}, {w.a2, w.b2, w.c2}};
    const char* ordinals[] = {"first", "second"};

    std::int64_t factors[2] = {1, 1};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::optional<std::int64_t> g = commonFactor(equations[i]);
        if (!g) return Result::failure();
        factors[i] = *g;
    }
    // g is 0 only when all three are 0, which the driver refuses earlier.
    const auto simplifies = [](std::int64_t g) { return g != 1 && g != 0; };
    if (!simplifies(factors[0]) && !simplifies(factors[1])) return Result::nothing();

    StepLines lines = linesOf(equationLayout(system.equations[0], Style::fraction),
                              equationLayout(system.equations[1], Style::fraction));
    lines.reserve(lines.size() + 8 * 2 + 3);
    for (std::size_t i = 0; i < 2; ++i) {
        // The equation's line is copied rather than laid out again.
        if (simplifies(factors[i])) appendSimplification(lines, ordinals[i], lines[i], equations[i], factors[i]);
    }
    appendLines(lines, blankLayouts(2));
    lines.push_back(messageLayout("always consider"));
    return Result::of({std::move(lines), {"advisory"}});
}

}  // namespace duolinear
