#include "quadratic/QuadraticOpening.h"

#include <set>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/TextFunctions.h"
#include "linear_steps/ClearingMessage.h"
#include "linear_steps/LinearClassification.h"
#include "linear_steps/LinearEquationSteps.h"
#include "linear_steps/LinearSolutionStatus.h"
#include "linear_steps/Refusal.h"
#include "quadratic/DecimalClearing.h"
#include "quadratic/OpeningSteps.h"
#include "quadratic/QuadraticRefusal.h"

namespace duolinear {

namespace {

// The work of one call: the caller's input and the hand-over being built.
struct Opening {
    const PolyEquation& given;
    const LinearStepChoices& choices;
    OpeningState state;

    TagLayout line(const PolyEquation& equation) const { return equationLayout(equation, choices.style); }
    Color marking() const { return choices.highlight ? Color::red : Color::black; }
    WorkedSteps refuse(QuadraticRefusal reason) const { return quadraticRefusal(reason, given, choices.style); }

    // The carried lines followed by the step's own lines.
    StepLines carriedWith(const StepLines& own) const {
        StepLines lines = state.carriedLines;
        lines.insert(lines.end(), own.begin(), own.end());
        return lines;
    }
    void carry(TagLayout line) { state.carriedLines.push_back(std::move(line)); }
    void addStep(StepLines lines, std::string caption) { state.worked.append(std::move(lines), std::move(caption)); }
};

// The "simplify" step from the equation as it stands to next, which the
// caller then takes. In the decimal style 5/10 and 1/2 both read 0.5: a step
// whose two lines read the same shows nothing, and its line is not carried.
void showSimplified(Opening& o, const PolyEquation& next) {
    TagLayout before = o.line(o.state.equation);
    TagLayout after = o.line(next);
    if (before != after) {
        o.addStep(o.carriedWith({before, std::move(after)}), "simplify");
        o.carry(std::move(before));
    }
}

// "simplify": false when the arithmetic gave out.
bool simplifyStep(Opening& o) {
    PolyEquation& e = o.state.equation;
    if (!eitherSideNeedsReducing(e)) return true;
    const std::optional<PolyEquation> reduced = reduceBothSides(e);
    if (!reduced) return false;
    showSimplified(o, *reduced);
    e = *reduced;
    return true;
}

// "clear fractions" or "clear decimals": false when the arithmetic gave out.
bool clearFractionsStep(Opening& o) {
    PolyEquation& e = o.state.equation;
    if (!eitherSideHasFractions(e)) return true;
    std::optional<std::int64_t> factor = lcmOfDenominators(e);
    std::optional<PolyEquation> cleared = clearFractionsBothSides(e);
    if (!factor || !cleared) return false;
    // Decimals are cleared by a power of ten. Any other factor clears
    // fractions, which the decimal style could only show rounded (3 times
    // 0.66666667 is not 2), so that step and its carried lines show them as
    // fractions.
    const bool decimals = o.choices.style == Style::decimal && isPowerOfTenText(std::to_string(*factor));
    if (decimals) {
        // The power of ten of the places shown: 67580/10000 reads 6.758.
        std::optional<DecimalClearing> shown = clearShownDecimals(e);
        if (!shown) return false;
        if (shown->factor != *factor) {
            factor = shown->factor;
            cleared = std::move(shown->cleared);
        }
    }
    // A factor of 1 (denominators of -1, or decimals whole in value) clears
    // nothing, but the numbers may read otherwise once cleared (-47/-1 as 47):
    // that shows as "simplify", as the methods that simplify show it.
    if (*factor != 1) {
        const Style style = o.choices.style == Style::decimal && !decimals ? Style::fraction : o.choices.style;
        const auto line = [style](const PolyEquation& equation) { return equationLayout(equation, style); };
        StepLines own{line(recolorDenominatorsBothSides(o.marking(), e)),
                      clearedEquationLayout(PolyEquationClear{*factor, e, o.marking()}, style), line(*cleared)};
        for (TagLayout& blank : blankLayouts(2)) own.push_back(std::move(blank));
        own.push_back(messageLayout(clearingStepMessage(style, *factor)));
        o.addStep(o.carriedWith(own), decimals ? "clear decimals" : "clear fractions");
        o.carry(line(e));
        o.carry(clearedEquationLayout(PolyEquationClear{*factor, e, Color::black}, style));
    } else {
        showSimplified(o, *cleared);
    }
    e = *cleared;
    return true;
}

// "combine like terms": false when the arithmetic gave out.
bool combineStep(Opening& o) {
    PolyEquation& e = o.state.equation;
    const std::optional<CombinedEquation> combined = combineLikeTermsBothSides(false, e);
    if (!combined) return false;
    if (!combined->changed) return true;
    o.carry(o.line(e));
    o.addStep(o.carriedWith({o.line(combined->equation)}), "combine like terms");
    e = combined->equation;
    return true;
}

// "same square term on both sides".
void cancelSquaresStep(Opening& o) {
    PolyEquation& e = o.state.equation;
    const std::optional<PolyEquation> cancelled = cancelSquareTerms(e);
    if (!cancelled) return;
    o.carry(o.line(e));
    o.addStep(o.carriedWith({o.line(*cancelled)}), "same square term on both sides");
    e = *cancelled;
}

// "descending powers of v": false when the arithmetic gave out.
bool descendingPowersStep(Opening& o) {
    PolyEquation& e = o.state.equation;
    const Outcome<ExchangeSides> exchange = exchangeSidesStep(e);
    if (exchange.failed) return false;
    if (!exchange.applies()) return true;
    const std::vector<PolyEquation>& equations = exchange.value->equations;
    Layouts own;
    for (const PolyEquation& q : equations) own = appendEquationLine(o.choices.style, std::move(own), q);
    if (exchange.value->message) {
        own.push_back(messageLayout(*exchange.value->message));
    } else {
        own.push_back(blankLayouts(0).front());
    }
    o.addStep(o.carriedWith(own), "descending powers of " + std::string(1, o.state.variable));
    for (std::size_t i = 0; i + 1 < equations.size(); ++i) o.carry(o.line(equations[i]));
    e = equations.back();
    return true;
}

// The linear step engine finishes an equation without a term of degree two
// or more.
WorkedSteps linearFinish(Opening& o) {
    const PolyEquation& e = o.state.equation;
    const Style style = o.choices.style;
    const std::optional<LinearSolution> answer = linearSolutionStatus(e);
    if (!answer) return o.refuse(QuadraticRefusal::overflow);
    if (!isSolvedForm(style == Style::decimal, e)) {
        const WorkedSteps linear = linearEquationSteps(e, {.technique = Technique::transpose,
                                                           .highlight = false,
                                                           .skipOpeningFrame = true,
                                                           .style = style,
                                                           .method = Method::smart,
                                                           .clearFractions = o.choices.clearFractions,
                                                           .random = o.choices.random});
        // The engine gets a linear equation in one letter without a zero
        // denominator: its only refusal left is the overflow.
        if (isRefusal(linear)) return o.refuse(QuadraticRefusal::overflow);
        for (std::size_t i = 0; i < linear.steps.size(); ++i) {
            o.state.worked.append(o.carriedWith(linear.steps[i]), linear.comments[i]);
        }
    }
    // Without the frame the answer still closes a solution that would
    // otherwise be empty (x = 3 needs no working).
    if (!o.choices.skipOpeningFrame || o.state.worked.steps.empty()) {
        StepLines closing{o.state.openingLine};
        if (answer->status == Status::unique) {
            const PolyEquation solved{Polynomial{Monomial{Rational{1, 1}, 1, o.state.variable}},
                                      Polynomial{Monomial{answer->value, 0}}, answer->relation};
            closing.push_back(equationLayout(solved, style == Style::decimal ? Style::decimal : Style::fraction));
        } else {
            closing.push_back(messageLayout(rawValue(answer->status)));
        }
        o.addStep(std::move(closing), "😎");
    }
    return o.state.worked;
}

// The highest exponent whose coefficient in LHS − RHS is not 0 (0 when there
// is none); no value when a sum overflows.
std::optional<std::uint64_t> degreeOf(const PolyEquation& equation) {
    std::set<std::uint64_t> exponents;
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) exponents.insert(term.exponent);
    }
    for (auto exponent = exponents.rbegin(); exponent != exponents.rend(); ++exponent) {
        std::vector<Rational> coefficients;
        for (const Monomial& term : equation.LHS.terms) {
            if (term.exponent == *exponent) coefficients.push_back(term.coefficient);
        }
        for (const Monomial& term : equation.RHS.terms) {
            if (term.exponent != *exponent) continue;
            const std::optional<Rational> negated = negatedRational(term.coefficient);
            if (!negated) return std::nullopt;
            coefficients.push_back(*negated);
        }
        const std::optional<Rational> sum = sumOfRationals(coefficients);
        if (!sum) return std::nullopt;
        if (sum->numerator != 0) return *exponent;
    }
    return 0;
}

}  // namespace

std::string clearingStepMessage(Style style, std::int64_t factor) {
    return clearingMessage(style, factor);
}

OpeningResult quadraticOpening(const PolyEquation& equation, const LinearStepChoices& choices, OpeningTidying tidying) {
    Opening o{equation, choices, {}};
    if (eitherSideHasZeroDenominator(equation)) return o.refuse(QuadraticRefusal::zero_denominator);
    if (!isInOneLetter(equation)) return o.refuse(QuadraticRefusal::several_letters);

    OpeningState& state = o.state;
    state.variable = equationLetter(equation);
    state.startEquation = dropZeroTermsBothSides(true, equation);
    state.openingLine = o.line(state.startEquation);
    state.equation = state.startEquation;
    if (!choices.skipOpeningFrame) o.addStep({state.openingLine}, "🤔");

    const bool tidied = tidying == OpeningTidying::simplify ? simplifyStep(o) : clearFractionsStep(o);
    if (!tidied || !combineStep(o)) return o.refuse(QuadraticRefusal::overflow);
    cancelSquaresStep(o);
    if (higherPowerTermCount(state.equation) == 0) return linearFinish(o);
    if (!descendingPowersStep(o)) return o.refuse(QuadraticRefusal::overflow);

    // The degree first: a cubic inequality is refused for its degree.
    const std::optional<std::uint64_t> degree = degreeOf(state.equation);
    if (!degree) return o.refuse(QuadraticRefusal::overflow);
    if (*degree != 2) return o.refuse(QuadraticRefusal::not_degree_two);
    if (state.equation.relation != Relation::equal_to) return o.refuse(QuadraticRefusal::inequality);
    const std::optional<QuadraticRoots> roots = quadraticRoots(state.startEquation);
    if (!roots) return o.refuse(QuadraticRefusal::overflow);
    state.roots = *roots;
    return std::move(state);
}

}  // namespace duolinear
