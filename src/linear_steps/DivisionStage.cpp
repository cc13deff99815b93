// The last stage, "solve for x": the variable term is divided by its
// coefficient, or the sign of a bare -x is changed, or, when the variable has
// cancelled, the status of the equation is stated.

#include <optional>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/PolynomialQueries.h"
#include "linear_steps/LinearStages.h"

namespace duolinear {

namespace {

// The variable term and the constant term that the division works on, and
// whether the variable term stands on the left.
struct DivisionTerms {
    Monomial variable;
    Monomial constant;
    bool onLeft = true;
};

DivisionTerms divisionTermsOf(const PolyEquation& current) {
    DivisionTerms terms{current.LHS.terms.front(), current.RHS.terms.front(), true};
    if (terms.variable.exponent == 0 && terms.constant.exponent == 1) {
        std::swap(terms.variable, terms.constant);
        terms.onLeft = false;
    }
    return terms;
}

// The pair of side layouts in the order of their sides.
TagLayout joinedInPlace(const std::string& relation, const TagLayout& variableSide, const TagLayout& constantSide,
                        bool onLeft, Color color) {
    return onLeft ? joinLayouts(relation, variableSide, constantSide, color)
                  : joinLayouts(relation, constantSide, variableSide, color);
}

// x REL c when the variable is on the left, c REL' x (relation reversed) when
// it is on the right.
PolyEquation answerInPlace(const LinearWork& work, const Rational& c, Relation relation, bool onLeft) {
    return onLeft ? work.variableRelConstant(c, relation) : work.constantRelVariable(c, reversedRelation(relation));
}

// Stage 13a: the variable term is x or -x.
Outcome<Done> unitVariableStep(LinearWork& work, const DivisionTerms& terms, bool negative) {
    const LinearSolution& solution = work.solution;
    if (terms.onLeft && !negative) return Outcome<Done>::nothing();  // already x REL c
    const Relation relation = solution.relation;
    const TagLayout answer =
        work.inStyle(work.variableRelConstant(solution.value, relation, work.answerRelationColor(relation)));
    StepLines lines = work.derivationWith({work.inStyle(work.current)});
    if (!terms.onLeft && negative) {
        const Relation reversed = reversedRelation(relation);
        const TagLayout reversedLine =
            work.inStyle(work.constantRelVariable(solution.value, reversed, work.answerRelationColor(reversed)));
        lines.push_back(reversedLine);
        work.derivation.push_back(work.inStyle(work.current));
        work.derivation.push_back(reversedLine);
    }
    lines.push_back(answer);
    if (negative) lines = concatLines({lines, work.signChangeNotice()});
    work.worked.append(std::move(lines), work.solveForText());
    return Outcome<Done>::done();
}

// Stage 13b: the variable has cancelled; the status says what is left.
void cancelledVariableStep(LinearWork& work) {
    work.derivation.push_back(work.inStyle(work.current));
    work.worked.append(work.derivationWith({messageLayout(rawValue(work.solution.status))}), "solve");
}

// The line that shows the equation with the coefficient to divide by marked.
void markCoefficientLine(LinearWork& work, const DivisionTerms& terms) {
    Monomial marked = terms.variable;
    marked.coefficient.numerator_color = work.marking();
    marked.coefficient.denominator_color = work.marking();
    marked.coefficient.bar_color = work.marking();
    work.derivation.push_back(joinedInPlace(rawValue(work.current.relation), monomialLayout(marked, work.style),
                                            monomialLayout(terms.constant, work.style), terms.onLeft, Color::black));
}

// With the variable on the right the answer is also written the usual way round.
void appendUsualAnswer(LinearWork& work, const DivisionTerms& terms) {
    if (terms.onLeft) return;
    const Relation relation = work.solution.relation;
    work.derivation.push_back(LinearWork::inFraction(
        work.variableRelConstant(work.solution.value, relation, work.answerRelationColor(relation))));
}

// Stage 13c: whole coefficients; ax over a = c over a.
void wholeDivisionStep(LinearWork& work, const DivisionTerms& terms) {
    const std::int64_t a = terms.variable.coefficient.numerator;
    Monomial dividend = terms.variable;
    Monomial constant = terms.constant;
    dividend.coefficient.denominator = a;
    constant.coefficient.denominator = a;
    if (work.highlight) {
        for (Rational* c : {&dividend.coefficient, &constant.coefficient}) {
            c->denominator_color = Color::red;
            c->bar_color = Color::red;
        }
    }
    const TagLayout variableSide =
        monomialLayout(work.technique == Technique::balance ? dividend : work.unitTerm(), Style::rational_fraction);
    const TagLayout constantSide = monomialLayout(constant, Style::rational_fraction);
    const Relation relation = a < 1 ? reversedRelation(work.current.relation) : work.current.relation;
    const bool plain = work.current.relation == Relation::equal_to || a > 0 || !work.highlight;
    work.derivation.push_back(
        joinedInPlace(rawValue(relation), variableSide, constantSide, terms.onLeft, plain ? Color::black : Color::red));
    work.derivation.push_back(
        LinearWork::inFraction(answerInPlace(work, work.solution.value, work.solution.relation, terms.onLeft)));
    appendUsualAnswer(work, terms);
    work.worked.append(work.derivation, work.solveForText());
}

// Stage 13d: a fractional coefficient on either side; (1/a)(ax) = (1/a)(b).
Outcome<Done> fractionalDivisionStep(LinearWork& work, const DivisionTerms& terms) {
    const Rational& a = terms.variable.coefficient;
    const Rational& b = terms.constant.coefficient;
    const std::optional<bool> negative = rationalSignClass(a);
    const std::optional<Rational> reciprocal = rationalReciprocal(a);
    if (!negative || !reciprocal) return Outcome<Done>::failure();
    const std::optional<Rational> product = rationalProduct(b, *reciprocal, false);
    if (!product) return Outcome<Done>::failure();
    const std::optional<bool> needsReducing = rationalNeedsReducing(*product);
    if (!needsReducing) return Outcome<Done>::failure();

    const bool alwaysFraction = !(a.numerator == 1 && b.denominator == 1);
    const Relation relation = *negative ? reversedRelation(work.current.relation) : work.current.relation;
    const Color mark = work.marking();
    const TagLayout factor = rationalLayout(recoloredRational(mark, *reciprocal), alwaysFraction, work.style);
    const TagLayout variableSide =
        work.technique == Technique::balance
            ? joinLayouts("🖇", factor, unaryLayout("()", monomialLayout(terms.variable, work.style)), mark)
            : monomialLayout(work.unitTerm(), work.style);
    const TagLayout constantSide =
        joinLayouts("🖇", factor, unaryLayout("()", rationalLayout(b, alwaysFraction, work.style)));
    const bool plain = work.current.relation == Relation::equal_to || !*negative || !work.highlight;
    work.derivation.push_back(
        joinedInPlace(rawValue(relation), variableSide, constantSide, terms.onLeft, plain ? Color::black : Color::red));

    const auto quotientLine = [&](const Rational& value) {
        return LinearWork::inFraction(terms.onLeft ? work.variableRelConstant(value, relation)
                                                   : work.constantRelVariable(value, relation));
    };
    work.derivation.push_back(quotientLine(*product));
    if (*needsReducing) {
        const std::optional<Rational> reduced = reducedRational(*product);
        if (!reduced) return Outcome<Done>::failure();
        work.derivation.push_back(quotientLine(*reduced));
    }
    appendUsualAnswer(work, terms);
    work.worked.append(work.derivation, work.solveForText());
    return Outcome<Done>::done();
}

}  // namespace

Outcome<Done> divisionStage(LinearWork& work) {
    if (work.current.LHS.terms.empty() || work.current.RHS.terms.empty()) return Outcome<Done>::failure();
    const DivisionTerms terms = divisionTermsOf(work.current);
    if (equals(terms.variable, work.unitTerm()) || equals(terms.variable, work.negativeUnitTerm())) {
        return unitVariableStep(work, terms, equals(terms.variable, work.negativeUnitTerm()));
    }
    if (terms.variable.exponent == 0 && terms.constant.exponent == 0) {
        cancelledVariableStep(work);
        return Outcome<Done>::done();
    }
    // Anything else than one variable term against one constant would be
    // divided wrongly; the stages before never leave such an equation.
    if (terms.variable.exponent != 1 || terms.constant.exponent != 0 || terms.variable.coefficient.numerator == 0) {
        return Outcome<Done>::failure();
    }
    markCoefficientLine(work, terms);
    if (terms.variable.coefficient.denominator == 1 && terms.constant.coefficient.denominator == 1) {
        wholeDivisionStep(work, terms);
        return Outcome<Done>::done();
    }
    return fractionalDivisionStep(work, terms);
}

}  // namespace duolinear
