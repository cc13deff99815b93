#include "quadratic/OpeningSteps.h"

#include <algorithm>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/PolynomialQueries.h"
#include "algebra/Rational.h"

namespace duolinear {

namespace {

const std::string kExchangeMessage = "exchange sides for convenience";
const std::string kLeftSideMessage = "left hand side for convenience";

// The side without its square terms, or nothing when it has none. A side left
// empty becomes the zero side in the letter of its first square term.
std::optional<Polynomial> withoutSquareTerms(const Polynomial& side) {
    const auto first = std::find_if(side.terms.begin(), side.terms.end(), isSquareTerm);
    if (first == side.terms.end()) return std::nullopt;
    Monomials kept;
    std::copy_if(side.terms.begin(), side.terms.end(), std::back_inserter(kept), isNotSquareTerm);
    if (kept.empty()) return zeroSide(first->variable);
    return Polynomial{std::move(kept)};
}

const Monomial* firstSquareTerm(const Polynomial& side) {
    const auto first = std::find_if(side.terms.begin(), side.terms.end(), isSquareTerm);
    return first == side.terms.end() ? nullptr : &*first;
}

PolyEquation equationOf(Polynomial left, Polynomial right, Relation relation) {
    return PolyEquation{std::move(left), std::move(right), relation};
}

// Every term moved to the left, sorted, like powers summed, zero sums dropped.
std::optional<Polynomial> collectedOnTheLeft(const PolyEquation& equation) {
    const std::optional<Polynomial> negatedRight = negatedSide(equation.RHS);
    if (!negatedRight) return std::nullopt;
    Monomials all = equation.LHS.terms;
    all.insert(all.end(), negatedRight->terms.begin(), negatedRight->terms.end());
    const Polynomial sorted = sortedByDescendingPowers(Polynomial{std::move(all)});
    if (sorted.terms.empty()) return zeroSide('x');

    const char letter = sorted.terms.front().variable;
    Monomials collected;
    std::optional<Rational> sum = Rational{0, 1};
    std::uint64_t power = sorted.terms.front().exponent;
    auto closeGroup = [&]() -> bool {
        const std::optional<Rational> reduced = sum ? reducedRational(*sum) : std::nullopt;
        if (!reduced) return false;
        if (reduced->numerator != 0) collected.push_back(Monomial{*reduced, power, letter});
        return true;
    };
    for (const Monomial& term : sorted.terms) {
        if (term.exponent < power) {
            if (!closeGroup()) return std::nullopt;
            sum = term.coefficient;
            power = term.exponent;
        } else {
            sum = sum ? rationalSum(term.coefficient, *sum) : std::nullopt;
        }
    }
    if (!closeGroup()) return std::nullopt;
    if (collected.empty()) return zeroSide(letter);
    return Polynomial{std::move(collected)};
}

}  // namespace

Polynomial zeroSide(char letter) {
    return Polynomial{Monomial{Rational{0, 1}, 0, letter}};
}

bool isZeroSide(const Polynomial& side) {
    if (side.terms.size() != 1) return false;
    const Monomial& term = side.terms.front();
    return term.exponent == 0 && term.coefficient.numerator == 0 && term.coefficient.denominator != 0;
}

char equationLetter(const PolyEquation& equation) {
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            if (isNonzeroVariableTerm(term)) return term.variable;
        }
    }
    return character(Var::x);
}

bool isInOneLetter(const PolyEquation& equation) {
    const char letter = equationLetter(equation);
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            if (isNonzeroVariableTerm(term) && term.variable != letter) return false;
        }
    }
    return true;
}

std::optional<PolyEquation> cancelSquareTerms(const PolyEquation& equation) {
    const Monomial* left = firstSquareTerm(equation.LHS);
    const Monomial* right = firstSquareTerm(equation.RHS);
    if (left == nullptr || right == nullptr || !equals(left->coefficient, right->coefficient)) return std::nullopt;
    std::optional<Polynomial> newLeft = withoutSquareTerms(equation.LHS);
    std::optional<Polynomial> newRight = withoutSquareTerms(equation.RHS);
    return equationOf(std::move(*newLeft), std::move(*newRight), equation.relation);
}

std::int64_t higherPowerTermCount(std::int64_t count, const Monomial& term) {
    return term.exponent > 1 ? count + 1 : count;
}

std::int64_t higherPowerTermCount(const PolyEquation& equation) {
    std::int64_t count = 0;
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) count = higherPowerTermCount(count, term);
    }
    return count;
}

Outcome<ExchangeSides> exchangeSidesStep(const PolyEquation& equation) {
    const Relation relation = equation.relation;
    if (isZeroSide(equation.RHS)) {
        if (isInDescendingPowers(equation.LHS)) return Outcome<ExchangeSides>::nothing();
        return Outcome<ExchangeSides>::of(
            {{equation, equationOf(sortedByDescendingPowers(equation.LHS), equation.RHS, relation)}, std::nullopt});
    }
    if (isZeroSide(equation.LHS)) {
        if (isInDescendingPowers(equation.RHS)) {
            return Outcome<ExchangeSides>::of(
                {{equation, equationOf(equation.RHS, equation.LHS, relation)}, kExchangeMessage});
        }
        const Polynomial sorted = sortedByDescendingPowers(equation.RHS);
        return Outcome<ExchangeSides>::of(
            {{equation, equationOf(equation.LHS, sorted, relation), equationOf(sorted, equation.LHS, relation)},
             kExchangeMessage});
    }
    const std::optional<Polynomial> left = collectedOnTheLeft(equation);
    if (!left) return Outcome<ExchangeSides>::failure();
    const char letter = left->terms.front().variable;
    return Outcome<ExchangeSides>::of({{equation, equationOf(*left, zeroSide(letter), relation)}, kLeftSideMessage});
}

Layouts appendEquationLine(Style style, Layouts lines, const PolyEquation& equation) {
    lines.push_back(equationLayout(equation, style));
    return lines;
}

}  // namespace duolinear
