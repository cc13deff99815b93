// The last stage, "solve for x": the variable term is divided by its
// coefficient, or the sign of a bare -x is changed, or, when the variable has
// cancelled, the status of the equation is stated.

#include <optional>
#include <utility>

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

using Item = LayoutWriter::Item;

// The variable side and the constant side joined by the relation, in the
// order of their sides; each side is a function that writes it.
template <typename WriteVariableSide, typename WriteConstantSide>
TagLayout joinedInPlace(const std::string& relation, WriteVariableSide variableSide, WriteConstantSide constantSide,
                        bool onLeft, Color color) {
    LayoutWriter writer(48);
    const Item left = onLeft ? variableSide(writer) : constantSide(writer);
    const Item right = onLeft ? constantSide(writer) : variableSide(writer);
    const Item root = writer.join(relation, left, right, color);
    return std::move(writer).finish(root);
}

// x REL c when the variable is on the left, c REL' x (relation reversed) when
// it is on the right.
PolyEquation answerInPlace(const LinearWork& work, const Rational& c, Relation relation, bool onLeft) {
    return onLeft ? work.variableRelConstant(c, relation) : work.constantRelVariable(c, reversedRelation(relation));
}

// Stage 13a: the variable term has the value x or -x. A term stored as
// 1/1 · x on the left is already the answer. One whose coefficient is 1 only
// in value, such as 2/2 (the decimal style does not reduce it), is written
// as x in a step of its own only when no stage has shown a step before, so
// that the working is not empty; otherwise the last step already ended on
// this equation, which the decimal style draws as x = c, and a step of its
// own would only repeat that line.
Outcome<Done> unitVariableStep(LinearWork& work, const DivisionTerms& terms, bool negative) {
    const LinearSolution& solution = work.solution;
    const Rational& c = terms.variable.coefficient;
    const bool bareX = c.numerator == 1 && c.denominator == 1;
    if (terms.onLeft && bareX) return Outcome<Done>::nothing();  // already x REL c
    if (!work.showing()) return Outcome<Done>::done();
    // Every stage that shows a step adds to the derivation.
    if (terms.onLeft && !negative && !work.derivation.empty()) return Outcome<Done>::nothing();
    const bool reversedFirst = !terms.onLeft && negative;
    if (reversedFirst) {
        // The current equation and the reversed answer join the derivation,
        // and so stand above the answer.
        const Relation reversed = reversedRelation(solution.relation);
        work.derivation.push_back(work.inStyle(work.current));
        work.derivation.push_back(
            work.inStyle(work.constantRelVariable(solution.value, reversed, work.answerRelationColor(reversed))));
    }
    work.addStepLazily(
        [&work, current = work.current, reversedFirst, negative] {
            const LinearSolution& solution = work.solution;
            const Relation relation = solution.relation;
            StepLines lines;
            if (!reversedFirst) lines.push_back(work.inStyle(current));
            lines.push_back(
                work.inStyle(work.variableRelConstant(solution.value, relation, work.answerRelationColor(relation))));
            if (negative) appendLinesTo(lines, work.signChangeNotice());
            return lines;
        },
        work.solveForText());
    return Outcome<Done>::done();
}

// Stage 13b: the variable has cancelled; the status says what is left.
void cancelledVariableStep(LinearWork& work) {
    if (!work.showing()) return;
    work.derivation.push_back(work.inStyle(work.current));
    work.addStep(linesOf(messageLayout(rawValue(work.solution.status))), "solve");
}

// The line that shows the equation with the coefficient to divide by marked.
void markCoefficientLine(LinearWork& work, const DivisionTerms& terms) {
    if (!work.showing()) return;
    Monomial marked = terms.variable;
    marked.coefficient.numerator_color = work.marking();
    marked.coefficient.denominator_color = work.marking();
    marked.coefficient.bar_color = work.marking();
    work.derivation.push_back(joinedInPlace(
        rawValue(work.current.relation), [&](LayoutWriter& w) { return writeMonomial(w, marked, work.style); },
        [&](LayoutWriter& w) { return writeMonomial(w, terms.constant, work.style); }, terms.onLeft, Color::black));
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
    if (!work.showing()) return;
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
    const Monomial variable = work.technique == Technique::balance ? dividend : work.unitTerm();
    const Relation relation = a < 1 ? reversedRelation(work.current.relation) : work.current.relation;
    const bool plain = work.current.relation == Relation::equal_to || a > 0 || !work.highlight;
    work.derivation.push_back(joinedInPlace(
        rawValue(relation), [&](LayoutWriter& w) { return writeMonomial(w, variable, Style::rational_fraction); },
        [&](LayoutWriter& w) { return writeMonomial(w, constant, Style::rational_fraction); }, terms.onLeft,
        plain ? Color::black : Color::red));
    work.derivation.push_back(
        LinearWork::inFraction(answerInPlace(work, work.solution.value, work.solution.relation, terms.onLeft)));
    appendUsualAnswer(work, terms);
    work.addStep({}, work.solveForText());
}

// Stage 13d: a fractional coefficient on either side; (1/a)(ax) = (1/a)(b).
Outcome<Done> fractionalDivisionStep(LinearWork& work, const DivisionTerms& terms) {
    const Rational& a = terms.variable.coefficient;
    const Rational& b = terms.constant.coefficient;
    const std::optional<bool> negative = rationalSignClass(a);
    const std::optional<Rational> reciprocal = rationalReciprocal(a);
    if (!negative || !reciprocal) return Outcome<Done>::failure();
    // The quotient in lowest terms is worked exactly, so it is there whenever
    // it fits. The plain product of the parts is shown above it when it can
    // be written; when it cannot, the quotient in lowest terms takes its place.
    const std::optional<Rational> reduced = rationalProduct(b, *reciprocal, true);
    if (!reduced) return Outcome<Done>::failure();
    const std::optional<Rational> written = rationalProduct(b, *reciprocal, false);
    const Rational& product = written ? *written : *reduced;
    const std::optional<bool> needsReducing = rationalNeedsReducing(product);
    if (!needsReducing) return Outcome<Done>::failure();
    if (!work.showing()) return Outcome<Done>::done();

    const bool alwaysFraction = !(a.numerator == 1 && b.denominator == 1);
    const Relation relation = *negative ? reversedRelation(work.current.relation) : work.current.relation;
    const Color mark = work.marking();
    const Rational factor = recoloredRational(mark, *reciprocal);
    // factor(a x) and factor(b), the factor beside each bracket.
    const auto variableSide = [&](LayoutWriter& w) {
        if (work.technique != Technique::balance) return writeMonomial(w, work.unitTerm(), work.style);
        const Item factorItem = writeRational(w, factor, alwaysFraction, work.style);
        const Item bracketed = w.unary("()", writeMonomial(w, terms.variable, work.style));
        return w.join("🖇", factorItem, bracketed, mark);
    };
    const auto constantSide = [&](LayoutWriter& w) {
        const Item factorItem = writeRational(w, factor, alwaysFraction, work.style);
        const Item bracketed = w.unary("()", writeRational(w, b, alwaysFraction, work.style));
        return w.join("🖇", factorItem, bracketed);
    };
    const bool plain = work.current.relation == Relation::equal_to || !*negative || !work.highlight;
    work.derivation.push_back(
        joinedInPlace(rawValue(relation), variableSide, constantSide, terms.onLeft, plain ? Color::black : Color::red));

    const auto quotientLine = [&](const Rational& value) {
        return LinearWork::inFraction(terms.onLeft ? work.variableRelConstant(value, relation)
                                                   : work.constantRelVariable(value, relation));
    };
    work.derivation.push_back(quotientLine(product));
    if (*needsReducing) work.derivation.push_back(quotientLine(*reduced));
    appendUsualAnswer(work, terms);
    work.addStep({}, work.solveForText());
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
