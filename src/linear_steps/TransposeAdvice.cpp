#include "linear_steps/TransposeAdvice.h"

#include <string>
#include <utility>

#include "algebra/EquationTransforms.h"
#include "linear_steps/TermEdits.h"

namespace duolinear {

namespace {

Color highlightColor(bool highlight) {
    return highlight ? Color::red : Color::black;
}

PolyEquation blackEquation(const PolyEquation& equation) {
    return recoloredEquation(Color::black, Color::black, Color::black, equation);
}

char variableLetterOf(const Terms& lhs, const Terms& rhs) {
    const std::size_t iL = firstVariableTermIndex(lhs);
    if (iL < lhs.size()) return lhs[iL].variable;
    const std::size_t iR = firstVariableTermIndex(rhs);
    if (iR < rhs.size()) return rhs[iR].variable;
    return rawValue(Var::x);
}

std::string takingToLeftAdvice(const std::string& v) {
    return "\ntaking " + v + "-term to the\nleft hand side to get a\n(positive)" + v;
}
std::string considerRightAdvice(const std::string& v) {
    return "\nconsider taking " + v + "-terms\nto the right hand side\nto get (positive)" + v + "\n\nor exchange sides";
}
std::string exchangingAdvice(const std::string& v) {
    return "\nexchanging sides first as\nan alternative to taking\n" + v + "-terms to the right\nhand side";
}
std::string takingToRightAdvice(const std::string& v) {
    return "\ntaking " + v + "-terms to the\nright hand side to get a\n(positive)" + v +
           "\n\nconsider exchanging sides";
}

// Case A: only the right side holds a variable term, a negative one, beside a
// constant; it is taken to the left.
std::optional<TransposeAdvice> moveNegativeTermLeft(Technique technique, bool highlight, Method method,
                                                    const PolyEquation& equation) {
    const Terms& lhs = equation.LHS.terms;
    const Terms& rhs = equation.RHS.terms;
    const std::size_t iR = firstVariableTermIndex(rhs);
    const bool leftStartsWithZero = lhs.empty() || isZeroTerm(lhs.front());
    const bool applies = iR < rhs.size() && holdsConstantTerm(rhs) && rhs[iR].coefficient.numerator < 0 &&
                         (method == Method::smart || leftStartsWithZero);
    if (!applies) return TransposeAdvice{};

    const std::optional<Monomial> negated = negatedNumeratorTerm(rhs[iR]);
    if (!negated) return std::nullopt;
    const Color h = highlightColor(highlight);
    const Monomial fresh{Rational{negated->coefficient.numerator, negated->coefficient.denominator, h, h, h}, 1,
                         rhs[iR].variable, h};

    Terms newLeft{fresh};
    if (!leftStartsWithZero) newLeft.insert(newLeft.end(), lhs.begin(), lhs.end());
    const Terms markedRight = withMarkedTerm(rhs, iR, highlight, true);
    const Terms reducedRight = withoutTerm(markedRight, iR);
    const Relation relation = equation.relation;

    TransposeAdvice result;
    result.moved = true;
    if (!leftStartsWithZero) result.advice = takingToLeftAdvice(std::string(1, rhs[iR].variable));
    result.equations.push_back(PolyEquation{lhs, markedRight, relation});
    if (technique == Technique::transpose) {
        result.equations.push_back(PolyEquation{newLeft, reducedRight, relation});
    } else {
        result.equations.push_back(PolyEquation{newLeft, withTermAfter(rhs, iR, fresh), relation});
        result.equations.push_back(blackEquation(PolyEquation{newLeft, reducedRight, relation}));
    }
    return result;
}

// Which side collects the variable terms when both sides hold one.
struct Collecting {
    bool onLeft = true;
    bool exchange = false;
    std::string advice;
};

std::optional<Collecting> chooseCollectingSide(Method method, const PolyEquation& equation, const std::string& v,
                                               RandomSource& random) {
    const Terms& lhs = equation.LHS.terms;
    const Terms& rhs = equation.RHS.terms;
    const bool constantLeft = holdsConstantTerm(lhs);
    const bool constantRight = holdsConstantTerm(rhs);
    if (!constantLeft || !constantRight) return Collecting{!constantLeft, false, ""};

    const std::optional<Rational> d =
        rationalDifference(lhs[firstVariableTermIndex(lhs)].coefficient, rhs[firstVariableTermIndex(rhs)].coefficient);
    if (!d) return std::nullopt;
    const std::optional<bool> negative = rationalSignClass(*d);
    if (!negative) return std::nullopt;
    if (!*negative) return Collecting{true, false, ""};
    if (method == Method::standard) return Collecting{true, false, considerRightAdvice(v)};
    if (random.uniformInt(1, 5) == 1) return Collecting{false, true, exchangingAdvice(v)};
    return Collecting{false, false, takingToRightAdvice(v)};
}

// Case B: both sides hold a variable term; the one on the other side is taken
// across to the collecting side.
std::optional<TransposeAdvice> collectVariableTerms(Technique technique, bool highlight, Method method,
                                                    const PolyEquation& equation, RandomSource& random) {
    const Terms& lhs = equation.LHS.terms;
    const Terms& rhs = equation.RHS.terms;
    const std::string v(1, variableLetterOf(lhs, rhs));
    const std::optional<Collecting> choice = chooseCollectingSide(method, equation, v, random);
    if (!choice) return std::nullopt;

    const Terms& target = choice->onLeft ? lhs : rhs;
    const Terms& other = choice->onLeft ? rhs : lhs;
    const std::size_t iT = firstVariableTermIndex(target);
    const std::size_t iO = firstVariableTermIndex(other);
    const Terms markedOther = withMarkedTerm(other, iO, highlight, true);

    std::optional<Monomial> moved = negatedNumeratorTerm(other[iO]);
    if (!moved) return std::nullopt;
    moved = markedTerm(*moved, highlight, true);
    const Terms otherAfter =
        technique == Technique::transpose ? withoutTerm(other, iO) : withTermAfter(other, iO, *moved);
    const Terms targetAfter = withTermAfter(target, iT, *moved);

    TransposeAdvice result;
    result.moved = true;
    result.advice = choice->advice;
    PolyEquation afterMove;
    if (choice->exchange) {
        const Relation reversed = reversedRelation(equation.relation);
        const Color relationColor = highlight && equation.relation != Relation::equal_to ? Color::red : Color::black;
        result.equations.push_back(PolyEquation{lhs, rhs, equation.relation});
        result.equations.push_back(PolyEquation{target, markedOther, reversed, relationColor});
        afterMove = PolyEquation{targetAfter, otherAfter, reversed};
    } else if (choice->onLeft) {
        result.equations.push_back(PolyEquation{target, markedOther, equation.relation});
        afterMove = PolyEquation{targetAfter, otherAfter, equation.relation};
    } else {
        result.equations.push_back(PolyEquation{markedOther, target, equation.relation});
        afterMove = PolyEquation{otherAfter, targetAfter, equation.relation};
    }
    result.equations.push_back(afterMove);
    const std::optional<CombinedEquation> combined = combineLikeTermsBothSides(false, blackEquation(afterMove));
    if (!combined) return std::nullopt;
    result.equations.push_back(combined->equation);
    return result;
}

}  // namespace

std::optional<TransposeAdvice> transposeAdvice(Technique technique, bool highlight, Method method,
                                               const PolyEquation& equation, RandomSource& random) {
    const bool bothSides = holdsVariableTerm(equation.LHS.terms) && holdsVariableTerm(equation.RHS.terms);
    if (!bothSides) return moveNegativeTermLeft(technique, highlight, method, equation);
    return collectVariableTerms(technique, highlight, method, equation, random);
}

}  // namespace duolinear
