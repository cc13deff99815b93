#include "quadratic/FactoredForm.h"

#include <utility>

#include "algebra/Checked.h"
#include "algebra/EquationTransforms.h"
#include "quadratic/OpeningSteps.h"
#include "quadratic/QuadraticRoots.h"

namespace duolinear {

namespace {

const std::string kNoSolution = "no solution";
const std::string kNotOverIntegers = "factors but not over integers";

// Which root a factor list names first: 0 the first root, 1 the second.
int orderFlag(const Rational& first, const Rational& second) {
    if (first.denominator != second.denominator) return first.denominator < second.denominator ? 0 : 1;
    const std::uint64_t m1 = magnitude(first.numerator);
    const std::uint64_t m2 = magnitude(second.numerator);
    if (m1 != m2) return m1 < m2 ? 0 : 1;
    return second.numerator < first.numerator ? 1 : 0;
}

// The group q·v − p of the root p/q.
std::optional<std::vector<Term_XL>> factorGroup(const Rational& root, char letter) {
    const CheckedInt minusP = checkedNegate(root.numerator);
    if (!minusP) return std::nullopt;
    return std::vector<Term_XL>{Term_XL{Monomial{Rational{root.denominator, 1}, 1, letter}, {}},
                                Term_XL{Monomial{Rational{*minusP, 1}, 0, letter}, {}}};
}

// Whether the roots are ones the factored form is written for.
bool isFactorable(const QuadraticRoots& roots) {
    if (roots.status == Quadratic_status::rational_distinct) return true;
    return roots.status == Quadratic_status::rational_repeated && roots.first->a.numerator != 0;
}

// The factor set to 0: q·v − p = 0.
std::optional<PolyEquation> factorIsZero(const Rational& root, char letter, Relation relation) {
    const CheckedInt minusP = checkedNegate(root.numerator);
    if (!minusP) return std::nullopt;
    return PolyEquation{
        Polynomial{Monomial{Rational{root.denominator, 1}, 1, letter}, Monomial{Rational{*minusP, 1}, 0, letter}},
        zeroSide(letter), relation};
}

// The solution: v = p/q.
PolyEquation solution(const Rational& root, char letter, Relation relation) {
    return PolyEquation{Polynomial{Monomial{Rational{1, 1}, 1, letter}},
                        Polynomial{Monomial{Rational{root.numerator, root.denominator}, 0, letter}}, relation};
}

PolyEquation inColor(Color color, const PolyEquation& equation) {
    return recoloredEquation(color, color, color, equation);
}

}  // namespace

bool isNonzeroLinearTerm(const Monomial& term) {
    return term.coefficient.numerator != 0 && term.exponent == 1;
}

char factorLetter(const PolyEquation& equation) {
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            if (isNonzeroLinearTerm(term)) return term.variable;
        }
    }
    return equationLetter(equation);
}

Outcome<Polynomial_Equation_XL> factoredForm(const PolyEquation& equation) {
    const char letter = factorLetter(equation);
    const bool rightIsZero = isZeroSide(equation.RHS);
    const std::optional<QuadraticRoots> roots = quadraticRoots(equation);
    if (!roots) return Outcome<Polynomial_Equation_XL>::failure();
    if (!isFactorable(*roots)) return Outcome<Polynomial_Equation_XL>::nothing();
    const Rational& r1 = roots->first->a;
    const Rational& r2 = roots->second->a;

    Polynomial_XL factored;
    if (r1.numerator != 0 && r2.numerator != 0) {
        const std::optional<std::vector<Term_XL>> g1 = factorGroup(r1, letter);
        const std::optional<std::vector<Term_XL>> g2 = factorGroup(r2, letter);
        if (!g1 || !g2) return Outcome<Polynomial_Equation_XL>::failure();
        const std::uint64_t firstNamed = static_cast<std::uint64_t>(orderFlag(r1, r2));
        const Term_XL product{Monomial{Rational{1, 1}, 0, letter}, {Factor{firstNamed, 1}, Factor{1 - firstNamed, 1}}};
        factored.terms = {*g1, *g2, {product}};
    } else {
        const Rational& other = r1.numerator == 0 ? r2 : r1;
        const Polynomial& side = rightIsZero ? equation.LHS : equation.RHS;
        if (side.terms.empty()) return Outcome<Polynomial_Equation_XL>::failure();
        const CheckedInt denominators = checkedMultiply(r1.denominator, r2.denominator);
        const CheckedInt k = checkedDivide(side.terms.front().coefficient.numerator, denominators);
        const std::optional<std::vector<Term_XL>> group = factorGroup(other, letter);
        if (!k || !group) return Outcome<Polynomial_Equation_XL>::failure();
        factored.terms = {*group, {Term_XL{Monomial{Rational{*k, 1}, 1, letter}, {Factor{0, 1}}}}};
    }

    Polynomial_XL zero{{{Term_XL{Monomial{Rational{0, 1}, 0, letter}, {}}}}};
    if (rightIsZero) {
        return Outcome<Polynomial_Equation_XL>::of({std::move(factored), std::move(zero), equation.relation});
    }
    return Outcome<Polynomial_Equation_XL>::of({std::move(zero), std::move(factored), equation.relation});
}

Outcome<FactorabilityVerdict> factorabilityVerdict(bool highlight, const PolyEquation& equation) {
    const char letter = factorLetter(equation);
    const std::optional<QuadraticRoots> roots = quadraticRoots(equation);
    if (!roots) return Outcome<FactorabilityVerdict>::failure();
    switch (roots->status) {
        case Quadratic_status::none:
            return Outcome<FactorabilityVerdict>::of({std::nullopt, std::nullopt, kNoSolution});
        case Quadratic_status::irrational_distinct:
        case Quadratic_status::irrational_repeated:
            return Outcome<FactorabilityVerdict>::of({std::nullopt, std::nullopt, kNotOverIntegers});
        case Quadratic_status::rational_repeated:
        case Quadratic_status::rational_distinct:
            break;
    }

    const Rational& r1 = roots->first->a;
    const Rational& r2 = roots->second->a;
    const Relation relation = equation.relation;
    const Color mark = highlight ? Color::red : Color::black;
    const std::optional<PolyEquation> A = factorIsZero(r1, letter, relation);
    const std::optional<PolyEquation> B = factorIsZero(r2, letter, relation);
    if (!A || !B) return Outcome<FactorabilityVerdict>::failure();
    const PolyEquation A1 = solution(r1, letter, relation);
    const PolyEquation B1 = solution(r2, letter, relation);

    using Lists = std::vector<PolyEquation>;
    if (roots->status == Quadratic_status::rational_repeated) {
        if (r1.numerator == 0) {
            return Outcome<FactorabilityVerdict>::of(
                {Lists{inColor(mark, A1), inColor(Color::clear, A1)}, std::nullopt, std::nullopt});
        }
        return Outcome<FactorabilityVerdict>::of({Lists{inColor(mark, *A), A1}, std::nullopt, std::nullopt});
    }
    if (r1.numerator == 0) {
        return Outcome<FactorabilityVerdict>::of(
            {Lists{inColor(mark, A1), A1}, Lists{inColor(mark, *B), B1}, std::nullopt});
    }
    if (r2.numerator == 0) {
        return Outcome<FactorabilityVerdict>::of(
            {Lists{inColor(mark, B1), B1}, Lists{inColor(mark, *A), A1}, std::nullopt});
    }
    Lists first{inColor(mark, *A), A1};
    Lists second{inColor(mark, *B), B1};
    if (orderFlag(r1, r2) == 1) std::swap(first, second);
    return Outcome<FactorabilityVerdict>::of({std::move(first), std::move(second), std::nullopt});
}

}  // namespace duolinear
