// Coefficient rewrites, clearing pieces, pruning, recolouring and queries on a
// side with bracketed groups. The bracket-removing rewrites are in
// ExtendedBracketOps.cpp.

#include "linear_steps/ExtendedPolynomialOps.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/EquationTransforms.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/SideRules.h"
#include "linear_steps/ExtendedSideScan.h"

namespace duolinear {

namespace {

using Group = ExtGroup;

bool hasZeroNumerator(const Term& t) {
    return t.monomial.coefficient.numerator == 0;
}

// Drops the terms that match; a group left empty becomes the zero term.
template <typename Predicate>
void dropTerms(Group& group, Predicate drop) {
    std::erase_if(group, drop);
    if (group.empty()) group.push_back(extZeroTerm());
}

// The term with its coefficient replaced and its letter and brackets black.
Term withCoefficient(const Term& t, const Rational& coefficient) {
    return Term{Monomial{coefficient, t.monomial.exponent, t.monomial.variable}, t.sub_exp};
}

// The coefficient in lowest terms with a positive denominator; the same term
// when it is reduced already; no value for 0/0 or when it does not fit.
std::optional<Term> reducedTerm(const Term& t, bool& changed) {
    const Rational& c = t.monomial.coefficient;
    const std::optional<std::int64_t> common = gcd(c.numerator, c.denominator);
    if (!common || *common == 0) return std::nullopt;
    const std::int64_t g = c.denominator < 0 ? -*common : *common;
    if (g == 1) return t;
    const CheckedInt numerator = checkedDivide(c.numerator, g);
    const CheckedInt denominator = checkedDivide(c.denominator, g);
    if (!numerator || !denominator) return std::nullopt;
    changed = true;
    return withCoefficient(t, Rational{*numerator, *denominator});
}

// One group with its like plain terms summed into the first of each kind.
std::optional<Group> combinedGroup(bool simple, const Group& group, bool& changed) {
    Group rebuilt;
    std::vector<bool> absorbed(group.size(), false);
    for (std::size_t i = 0; i < group.size(); ++i) {
        const Term& c = group[i];
        if (c.sub_exp.multiplies) {
            rebuilt.push_back(c);
            continue;
        }
        if (absorbed[i]) continue;
        std::optional<Rational> sum = c.monomial.coefficient;
        for (std::size_t j = i + 1; j < group.size(); ++j) {
            const Term& other = group[j];
            if (other.sub_exp.multiplies || absorbed[j] || !areLikeTerms(other.monomial, c.monomial, simple)) continue;
            sum = rationalSum(other.monomial.coefficient, *sum);
            if (!sum) return std::nullopt;
            absorbed[j] = true;
            changed = true;
        }
        rebuilt.push_back(withCoefficient(c, *sum));
    }
    dropTerms(rebuilt, hasZeroNumerator);
    return rebuilt;
}

// Whether some two plain terms of the group would be summed.
bool holdsLikePlainTerms(bool simple, const Group& group) {
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i].sub_exp.multiplies) continue;
        for (std::size_t j = i + 1; j < group.size(); ++j) {
            if (!group[j].sub_exp.multiplies && areLikeTerms(group[j].monomial, group[i].monomial, simple)) return true;
        }
    }
    return false;
}

template <typename Transform>
void mapTerms(Ext_polynomial& side, Transform transform) {
    for (Group& group : side.terms) {
        for (Term& t : group) t = transform(t);
    }
}

bool holdsBracket(const Ext_polynomial& side) {
    for (const Group& group : side.terms) {
        for (const Term& t : group) {
            if (t.sub_exp.multiplies) return true;
        }
    }
    return false;
}

// Brackets around a lone zero dropped until none is left; dropping one may
// empty its own group, which is then a lone zero for the next pass.
void dropZeroBrackets(Ext_polynomial& side) {
    bool emptied = true;
    std::vector<bool> loneZero(side.terms.size());
    while (emptied) {
        emptied = false;
        // Which groups are a lone zero as the pass starts.
        for (std::size_t i = 0; i < side.terms.size(); ++i) {
            const Group& group = side.terms[i];
            loneZero[i] =
                group.size() == 1 && rationalEquals(group.front().monomial.coefficient, Rational{0, 1}, false);
        }
        const auto isZeroBracket = [&](const Term& t) {
            return t.sub_exp.multiplies && t.sub_exp.index < loneZero.size() && loneZero[t.sub_exp.index];
        };
        for (Group& group : side.terms) {
            const std::size_t before = group.size();
            std::erase_if(group, isZeroBracket);
            if (group.size() == before || !group.empty()) continue;
            group.push_back(extZeroTerm());
            emptied = true;
        }
    }
}

void recolorInPlace(Color color, Ext_polynomial& side) {
    mapTerms(side, [&](const Term& t) { return Term{recoloredMonomial(color, t.monomial), t.sub_exp, color}; });
}

}  // namespace

Term extZeroTerm() {
    return Term{Monomial{Rational{0, 1}, 0, 'x'}, SubExpression{false, 0}};
}

bool isWellFormedExtSide(const Ext_polynomial& side) {
    if (side.terms.empty()) return false;
    // A bracket is checked against the brackets before it in scan order; a
    // side holds a few, so that costs less than marking the named groups.
    const auto namedBefore = [&](const ExtTermPosition& position) {
        const std::uint64_t named = extTermAt(side, position).sub_exp.index;
        for (std::size_t g = 0; g <= position.group; ++g) {
            const Group& group = side.terms[g];
            const std::size_t end = g == position.group ? position.index : group.size();
            for (std::size_t i = 0; i < end; ++i) {
                if (group[i].sub_exp.multiplies && group[i].sub_exp.index == named) return true;
            }
        }
        return false;
    };
    const auto malformed = firstExtTermWhere(side, [&](const Term& t, const ExtTermPosition& position) {
        if (!t.sub_exp.multiplies) return false;
        return !namesEarlierGroup(t, position) || namedBefore(position);
    });
    return !malformed;
}

Outcome<ExtSidePair> reduceExtCoefficients(const Ext_polynomial& side) {
    // The side is copied only once a coefficient is found to change.
    std::optional<Ext_polynomial> mapped;
    for (std::size_t g = 0; g < side.terms.size(); ++g) {
        for (std::size_t i = 0; i < side.terms[g].size(); ++i) {
            bool changed = false;
            std::optional<Term> reduced = reducedTerm(side.terms[g][i], changed);
            if (!reduced) return Outcome<ExtSidePair>::failure();
            if (!changed) continue;
            if (!mapped) mapped = side;
            mapped->terms[g][i] = std::move(*reduced);
        }
    }
    if (!mapped) return Outcome<ExtSidePair>::nothing();
    return Outcome<ExtSidePair>::of({side, unwrapUnitBrackets(std::move(*mapped))});
}

Outcome<ExtSidePair> combineExtLikeTerms(bool simple, const Ext_polynomial& side) {
    // Only a sum can fail or change anything.
    if (std::none_of(side.terms.begin(), side.terms.end(),
                     [simple](const Group& group) { return holdsLikePlainTerms(simple, group); })) {
        return Outcome<ExtSidePair>::nothing();
    }
    bool changed = false;
    Ext_polynomial rebuilt;
    rebuilt.terms.reserve(side.terms.size());
    for (const Group& group : side.terms) {
        std::optional<Group> combined = combinedGroup(simple, group, changed);
        if (!combined) return Outcome<ExtSidePair>::failure();
        rebuilt.terms.push_back(std::move(*combined));
    }
    if (!changed) return Outcome<ExtSidePair>::nothing();
    return Outcome<ExtSidePair>::of({side, std::move(rebuilt)});
}

std::optional<std::int64_t> denominatorLcmStep(std::int64_t accumulator, const Term& term) {
    return lcm(accumulator, term.monomial.coefficient.denominator);
}

Term markedDenominatorTerm(const Term& term, bool highlight) {
    const Rational& c = term.monomial.coefficient;
    const Color mark = highlight ? Color::red : Color::black;
    return withCoefficient(term, Rational{c.numerator, c.denominator, Color::black, mark, Color::black});
}

std::optional<Term> clearedTerm(const Term& term, std::int64_t lcm) {
    const Rational& c = term.monomial.coefficient;
    const CheckedInt numerator = checkedMultiply(c.numerator, checkedDivide(lcm, c.denominator));
    if (!numerator) return std::nullopt;
    return withCoefficient(term, Rational{*numerator, 1});
}

Ext_polynomial pruneExtSide(bool resetColors, Ext_polynomial side) {
    for (Group& group : side.terms) dropTerms(group, hasZeroNumerator);
    // A bracket around a lone zero is worth nothing.
    if (holdsBracket(side)) dropZeroBrackets(side);
    if (resetColors) recolorInPlace(Color::black, side);
    return side;
}

Ext_polynomial recolorExtSide(Color color, Ext_polynomial side) {
    recolorInPlace(color, side);
    return side;
}

Ext_polynomial recolorExtSideCoefficients(Color color, Ext_polynomial side) {
    mapTerms(side, [&](const Term& t) { return withCoefficient(t, recoloredRational(color, t.monomial.coefficient)); });
    return side;
}

Ext_polyEquation recolorExtCoefficients(Color lhsColor, Color rhsColor, const Ext_polyEquation& equation) {
    return Ext_polyEquation{recolorExtSideCoefficients(lhsColor, equation.LHS),
                            recolorExtSideCoefficients(rhsColor, equation.RHS), equation.relation, Color::black};
}

bool extSideHasZeroDenominator(const Ext_polynomial& side) {
    return firstExtTermWhere(
               side, [](const Term& t, const ExtTermPosition&) { return t.monomial.coefficient.denominator == 0; })
        .has_value();
}

bool extSideHasBrackets(const Ext_polynomial& side) {
    if (side.terms.empty()) return false;
    const Group& top = side.terms.back();
    return std::any_of(top.begin(), top.end(), [](const Term& t) { return t.sub_exp.multiplies; });
}

Polynomial extSideToPolynomial(const Ext_polynomial& side) {
    Monomials monomials;
    if (!side.terms.empty()) {
        monomials.reserve(side.terms.back().size());
        for (const Term& t : side.terms.back()) monomials.push_back(t.monomial);
    }
    return sideOrZeroTerm(std::move(monomials));
}

StepLines prependLayoutRows(StepLines step, const StepLines& captured) {
    StepLines lines;
    lines.reserve(captured.size() + step.size());
    lines.insert(lines.end(), captured.begin(), captured.end());
    lines.insert(lines.end(), std::make_move_iterator(step.begin()), std::make_move_iterator(step.end()));
    return lines;
}

}  // namespace duolinear
