#include "linear_steps/ExtendedStepProducers.h"

#include <optional>
#include <utility>

#include "algebra/IntegerFunctions.h"
#include "linear_steps/ExtendedEquationOps.h"
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

Outcome<ClearedFractions> clearFractionsStep(bool highlight, const Ext_polyEquation& equation) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return Outcome<ClearedFractions>::failure();
    const std::optional<std::int64_t> left = topLevelDenominatorLcm(equation.LHS);
    const std::optional<std::int64_t> right = topLevelDenominatorLcm(equation.RHS);
    if (!left || !right) return Outcome<ClearedFractions>::failure();
    const std::optional<std::int64_t> m = lcm(*left, *right);
    if (!m) return Outcome<ClearedFractions>::failure();
    if (*m == 1) return Outcome<ClearedFractions>::nothing();

    const auto clear = [m = *m](const Term& t) { return clearedTerm(t, m); };
    const std::optional<Ext_polynomial> clearedLeft = withTopLevelTerms(equation.LHS, clear);
    const std::optional<Ext_polynomial> clearedRight = withTopLevelTerms(equation.RHS, clear);
    if (!clearedLeft || !clearedRight) return Outcome<ClearedFractions>::failure();

    const auto mark = [highlight](const Term& t) { return std::optional<Term>(markedDenominatorTerm(t, highlight)); };
    const Color factorColor = highlight ? Color::red : Color::black;
    ClearedFractions result;
    result.first = Ext_polyEquation{*withTopLevelTerms(equation.LHS, mark), *withTopLevelTerms(equation.RHS, mark),
                                    equation.relation};
    result.second = Ext_polyEquation{multipliedSide(equation.LHS, *m, factorColor),
                                     multipliedSide(equation.RHS, *m, factorColor), equation.relation};
    result.third = unwrapUnitBracketsBothSides(Ext_polyEquation{*clearedLeft, *clearedRight, equation.relation});
    result.lcm = *m;
    return Outcome<ClearedFractions>::of(std::move(result));
}

Ext_polyEquation recolorExtEquation(Color lhsColor, Color rhsColor, Color relationColor, Ext_polyEquation equation) {
    return Ext_polyEquation{recolorExtSide(lhsColor, std::move(equation.LHS)),
                            recolorExtSide(rhsColor, std::move(equation.RHS)), equation.relation, relationColor};
}

}  // namespace duolinear
