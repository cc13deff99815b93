#include "linear_steps/ExtendedStepProducers.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"
#include "linear_steps/ExtendedEquationOps.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "linear_steps/ExtendedPolynomialOps.h"

namespace duolinear {

namespace {

// A side operation applied to both sides, each on its own. Nothing to do when
// both sides had nothing to do; otherwise before is the equation as given and
// after has each changed side replaced.
template <typename SideOperation>
Outcome<ExtEquationPair> onBothSides(const Ext_polyEquation& equation, SideOperation operation) {
    Outcome<ExtSidePair> lhs = operation(equation.LHS);
    Outcome<ExtSidePair> rhs = operation(equation.RHS);
    if (lhs.failed || rhs.failed) return Outcome<ExtEquationPair>::failure();
    if (!lhs.applies() && !rhs.applies()) return Outcome<ExtEquationPair>::nothing();
    // A side that changed moves in; the other is copied.
    const auto side = [](Outcome<ExtSidePair>& changed, const Ext_polynomial& given) {
        return changed.applies() ? Ext_polynomial(std::move(changed.value->after)) : Ext_polynomial(given);
    };
    Ext_polyEquation after{side(lhs, equation.LHS), side(rhs, equation.RHS), equation.relation,
                           equation.relation_color};
    return Outcome<ExtEquationPair>::of({equation, std::move(after)});
}

// lcm of the denominators of the side's top-level terms; no value when it
// does not fit.
std::optional<std::int64_t> topLevelDenominatorLcm(const Ext_polynomial& side) {
    std::optional<std::int64_t> acc = 1;
    for (const Term& t : side.terms.back()) {
        acc = denominatorLcmStep(*acc, t);
        if (!acc) return std::nullopt;
    }
    return acc;
}

// 10 to the most places that the top-level coefficients show, when the line
// writes every one of them as a decimal that ends; no value when one is drawn
// over a fraction bar (a bracket's multiplier that is not whole), when one
// has no ending decimal, or when the power does not fit. So the places are
// counted only from numbers that the line shows as decimals.
std::optional<std::int64_t> powerOfPlacesShown(const Ext_polyEquation& equation) {
    int most = 0;
    for (const Ext_polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Term& t : side->terms.back()) {
            if (!coefficientDrawnAsDecimal(t, Style::decimal)) return std::nullopt;
            const std::optional<int> places = decimalPlaces(t.monomial.coefficient);
            if (!places) return std::nullopt;
            most = std::max(most, *places);
        }
    }
    return powerOfTen(most);
}

// The side with every top-level term rewritten; no value when a rewrite fails.
template <typename TermRewrite>
std::optional<Ext_polynomial> withTopLevelTerms(const Ext_polynomial& side, TermRewrite rewrite) {
    Ext_polynomial result = side;
    for (Term& t : result.terms.back()) {
        const std::optional<Term> rewritten = rewrite(t);
        if (!rewritten) return std::nullopt;
        t = *rewritten;
    }
    return result;
}

// Every top-level term multiplied by factor, over 1; no value when a product
// does not fit.
std::optional<Ext_polyEquation> topLevelClearedBy(const Ext_polyEquation& equation, std::int64_t factor) {
    const auto clear = [factor](const Term& t) { return clearedTerm(t, factor); };
    std::optional<Ext_polynomial> left = withTopLevelTerms(equation.LHS, clear);
    std::optional<Ext_polynomial> right = withTopLevelTerms(equation.RHS, clear);
    if (!left || !right) return std::nullopt;
    return Ext_polyEquation{std::move(*left), std::move(*right), equation.relation};
}

// factor(side): a new top-level group holding the factor times the old one.
Ext_polynomial multipliedSide(const Ext_polynomial& side, std::int64_t factor, Color factorColor) {
    Ext_polynomial result = side;
    const Rational coefficient{factor, 1, factorColor, Color::black, Color::black};
    result.terms.push_back({Term{Monomial{coefficient, 0}, SubExpression{true, side.terms.size() - 1}}});
    return result;
}

}  // namespace

Outcome<ExtEquationPair> simplifyStep(const Ext_polyEquation& equation) {
    return onBothSides(equation, reduceExtCoefficients);
}

Outcome<ExtEquationPair> combineSimpleLikeTermsStep(bool simple, const Ext_polyEquation& equation) {
    return onBothSides(equation, [simple](const Ext_polynomial& side) { return combineExtLikeTerms(simple, side); });
}

Outcome<ExtEquationPair> distributeStep(bool highlight, const Ext_polyEquation& equation) {
    Outcome<ExtSidePair> lhs = distributeFirstBracket(highlight, equation.LHS);
    if (lhs.failed) return Outcome<ExtEquationPair>::failure();
    if (lhs.applies()) {
        auto& [before, after] = *lhs.value;
        return Outcome<ExtEquationPair>::of(
            {Ext_polyEquation{std::move(before), equation.RHS, equation.relation, equation.relation_color},
             Ext_polyEquation{std::move(after), equation.RHS, equation.relation, equation.relation_color}});
    }
    Outcome<ExtSidePair> rhs = distributeFirstBracket(highlight, equation.RHS);
    if (rhs.failed) return Outcome<ExtEquationPair>::failure();
    if (!rhs.applies()) return Outcome<ExtEquationPair>::nothing();
    auto& [before, after] = *rhs.value;
    return Outcome<ExtEquationPair>::of(
        {Ext_polyEquation{equation.LHS, std::move(before), equation.relation, equation.relation_color},
         Ext_polyEquation{equation.LHS, std::move(after), equation.relation, equation.relation_color}});
}

Outcome<ClearedFractions> clearFractionsStep(bool highlight, const Ext_polyEquation& equation, bool decimals) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return Outcome<ClearedFractions>::failure();
    const std::optional<std::int64_t> left = topLevelDenominatorLcm(equation.LHS);
    const std::optional<std::int64_t> right = topLevelDenominatorLcm(equation.RHS);
    if (!left || !right) return Outcome<ClearedFractions>::failure();
    const std::optional<std::int64_t> m = lcm(*left, *right);
    if (!m) return Outcome<ClearedFractions>::failure();
    if (*m == 1) return Outcome<ClearedFractions>::nothing();
    std::optional<std::int64_t> power = decimals ? powerOfPlacesShown(equation) : std::nullopt;
    if (power && *power % *m != 0) power.reset();
    const std::int64_t wanted = power.value_or(*m);
    std::int64_t factor = wanted;
    std::optional<Ext_polyEquation> cleared = topLevelClearedBy(equation, factor);
    // A power of ten may leave 64 bits where the lcm does not.
    if (!cleared && factor != *m) {
        factor = *m;
        cleared = topLevelClearedBy(equation, factor);
    }
    if (!cleared) return Outcome<ClearedFractions>::failure();

    const auto mark = [highlight](const Term& t) { return std::optional<Term>(markedDenominatorTerm(t, highlight)); };
    const Color factorColor = highlight ? Color::red : Color::black;
    ClearedFractions result;
    result.first = Ext_polyEquation{*withTopLevelTerms(equation.LHS, mark), *withTopLevelTerms(equation.RHS, mark),
                                    equation.relation};
    result.second = Ext_polyEquation{multipliedSide(equation.LHS, factor, factorColor),
                                     multipliedSide(equation.RHS, factor, factorColor), equation.relation};
    result.third = unwrapUnitBracketsBothSides(std::move(*cleared));
    result.factor = factor;
    result.lcm = *m;
    result.decimals = power.has_value() && factor == wanted;
    return Outcome<ClearedFractions>::of(std::move(result));
}

Ext_polyEquation recolorExtEquation(Color lhsColor, Color rhsColor, Color relationColor, Ext_polyEquation equation) {
    return Ext_polyEquation{recolorExtSide(lhsColor, std::move(equation.LHS)),
                            recolorExtSide(rhsColor, std::move(equation.RHS)), equation.relation, relationColor};
}

}  // namespace duolinear
