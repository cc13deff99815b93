#include "linear_steps/ExtendedLinearSteps.h"

#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "linear_steps/ClearingMessage.h"
#include "linear_steps/ExtendedEquationOps.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "linear_steps/ExtendedPolynomialOps.h"
#include "linear_steps/ExtendedStepProducers.h"
#include "linear_steps/LinearClassification.h"
#include "linear_steps/LinearEquationSteps.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/Refusal.h"
#include "linear_steps/StepKeeper.h"

namespace duolinear {

namespace {

// What one call keeps while it works: the caller's choices, the opening line,
// the lines already worked (shown above every later step; the list only ever
// grows), the equation in hand and the steps so far.
struct ExtendedWork : LinearStepChoices {
    char letter = 'x';
    TagLayout openingLine;
    StepLines workedLines;
    Ext_polyEquation current;
    bool currentIsOpening = false;  // current is still the equation the opening line draws
    StepKeeper steps;
    Refusal refusal = Refusal::numbers_too_large;  // why the work stopped, when it did
    bool clearByLcm = false;                       // the clearing step takes the lcm, never a power of ten
    bool clearedAboveLcm = false;                  // the clearing step took a power of ten above the lcm

    TagLayout layoutOf(const Ext_polyEquation& equation) const { return extEquationLayout(style, equation); }
    // The line of the equation in hand, which is about to be replaced: while
    // that is still the opening equation, its line is the opening line, taken
    // over when no frame shows it again and copied otherwise, not drawn anew.
    TagLayout currentLine() {
        if (!currentIsOpening) return layoutOf(current);
        currentIsOpening = false;
        return skipOpeningFrame ? std::move(openingLine) : TagLayout(openingLine);
    }
    // A step below the lines already worked.
    void addStep(StepLines lines, std::vector<std::string> comments) {
        steps.add(workedLines, workedLines.size(), std::move(lines), std::move(comments));
    }
    // The same with the lines made by makeLines only if the step is kept
    // (see StepKeeper::addLazily: it holds by value what it reads).
    template <typename Make>
    void addStepLazily(Make&& makeLines, std::string comment) {
        steps.addLazily(workedLines, workedLines.size(), std::forward<Make>(makeLines), {std::move(comment)});
    }
    // A step of the given lines alone.
    void addStandaloneStep(StepLines lines, std::string comment) {
        steps.add(workedLines, 0, std::move(lines), {std::move(comment)});
    }
    // The opening line as the first of the lines worked; without the frames
    // nothing else shows it, so it moves there.
    void startWorkedLines() {
        workedLines = linesOf(skipOpeningFrame ? std::move(openingLine) : TagLayout(openingLine));
    }
};

// The letter of the first term of exponent 1 with a non-zero numerator (a
// zero term is dropped before any step, as the plain engine drops it), left
// side first, groups and terms in order; x when there is none.
char variableLetterOf(const Ext_polyEquation& equation) {
    for (const Ext_polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const ExtGroup& group : side->terms) {
            for (const Term& t : group) {
                if (t.monomial.exponent == 1 && isNonzeroTerm(t.monomial)) return t.monomial.variable;
            }
        }
    }
    return rawValue(Var::x);
}

WorkedSteps malformedRefusal() {
    WorkedSteps worked;
    worked.append({messageLayout("unexpected error")}, "oops");
    return worked;
}

// One bracket-phase step: the worked lines, the equation before and after.
// The equation in hand joins the worked lines and the result, in black,
// becomes the equation in hand.
Outcome<Done> drawStep(ExtendedWork& work, Outcome<ExtEquationPair> rewrite, const std::string& comment) {
    if (rewrite.failed) return Outcome<Done>::failure();
    if (!rewrite.applies()) return Outcome<Done>::nothing();
    ExtEquationPair& pair = *rewrite.value;
    Ext_polyEquation next = recolorExtEquation(Color::black, Color::black, Color::black, pair.after);
    if (work.steps.showing()) {
        work.addStepLazily(
            [style = work.style, pair = std::move(pair)] {
                return linesOf(extEquationLayout(style, pair.before), extEquationLayout(style, pair.after));
            },
            comment);
        work.workedLines.push_back(work.currentLine());
    }
    work.current = std::move(next);
    work.currentIsOpening = false;
    return Outcome<Done>::done();
}

Outcome<Done> clearFractionsStage(ExtendedWork& work) {
    Outcome<ClearedFractions> rewrite =
        clearFractionsStep(work.highlight, work.current, work.style == Style::decimal && !work.clearByLcm);
    if (rewrite.failed) return Outcome<Done>::failure();
    if (!rewrite.applies()) return Outcome<Done>::nothing();
    ClearedFractions& cleared = *rewrite.value;
    work.clearedAboveLcm = cleared.factor != cleared.lcm;
    if (!work.steps.showing()) {
        work.current = recolorExtEquation(Color::black, Color::black, Color::black, std::move(cleared.third));
        work.currentIsOpening = false;
        return Outcome<Done>::done();
    }
    Ext_polyEquation second = recolorExtEquation(Color::black, Color::black, Color::black, cleared.second);
    Ext_polyEquation next = recolorExtEquation(Color::black, Color::black, Color::black, cleared.third);
    // Only the power of ten of the places shown clears decimals; the lcm
    // clears fractions, even where it is a power of ten.
    const bool decimals = cleared.decimals;
    work.addStepLazily(
        [style = work.style, cleared = std::move(cleared)] {
            const std::string message =
                cleared.decimals ? placesClearingMessage(cleared.factor) : "\n" + lcmClearingMessage(cleared.factor);
            return linesOf(extEquationLayout(style, cleared.first), extEquationLayout(style, cleared.second),
                           extEquationLayout(style, cleared.third), messageLayout(message));
        },
        decimals ? "clear decimals" : "clear fractions");
    work.workedLines.push_back(work.currentLine());
    work.workedLines.push_back(work.layoutOf(second));
    work.current = std::move(next);
    work.currentIsOpening = false;
    return Outcome<Done>::done();
}

// "simplify" and "clear fractions" once, then "combine simple like terms" and
// "distribute to remove (  )" in turn until there is nothing to distribute.
// Every distribution removes one bracket, so the loop ends. False on failure.
bool bracketPhase(ExtendedWork& work) {
    if (drawStep(work, simplifyStep(work.current), "simplify").failed) return false;
    if (work.clearExtFractions && clearFractionsStage(work).failed) return false;
    for (;;) {
        const Outcome<Done> combined =
            drawStep(work, combineSimpleLikeTermsStep(true, work.current), "combine simple like terms");
        if (combined.failed) return false;
        const Outcome<Done> distributed =
            drawStep(work, distributeStep(work.highlight, work.current), "distribute to remove (  )");
        if (!distributed.applies()) return !distributed.failed;
    }
}

// The steps of linearEquationSteps for eq, each below the lines already
// worked. It keeps the steps this working keeps: the last of its steps is
// the last here, and once a first step is there none of its steps is kept.
// False, with the reason kept, when it refuses the equation.
bool appendLinearSteps(ExtendedWork& work, const PolyEquation& eq) {
    if (!isLinearInOneVariable(eq)) {
        work.refusal = Refusal::not_linear;
        return false;
    }
    LinearStepChoices handedOver = work;
    handedOver.skipOpeningFrame = true;
    WorkedSteps linear = linearEquationSteps(eq, handedOver);
    if (isRefusal(linear)) return false;
    for (std::size_t i = 0; i < linear.steps.size(); ++i) {
        work.addStep(std::move(linear.steps[i]), std::move(linear.comments[i]));
    }
    return true;
}

// The opening line and the answer (x REL value, or the status text). False
// when the equation has no linear solution status.
bool closingFrame(ExtendedWork& work, const PolyEquation& eq) {
    if (work.skipOpeningFrame) return true;
    const std::optional<LinearSolution> solution = linearSolutionStatus(eq);
    if (!solution) return false;
    if (!work.steps.showing()) return true;
    TagLayout answer;
    if (solution->status == Status::unique) {
        const Monomial variable{Rational{1, 1}, 1, work.letter};
        const PolyEquation solved{Polynomial{variable}, Polynomial{Monomial{solution->value, 0}}, solution->relation};
        answer = equationLayout(solved, work.style == Style::decimal ? Style::decimal : Style::fraction);
    } else {
        answer = messageLayout(rawValue(solution->status));
    }
    work.addStandaloneStep(linesOf(work.openingLine, std::move(answer)), "😎");
    return true;
}

// The work on the normalised form of equation under the caller's choices,
// before any step.
ExtendedWork startedWork(const LinearStepChoices& choices, const Ext_polyEquation& equation,
                         const Ext_polyEquation& normalised) {
    ExtendedWork work;
    static_cast<LinearStepChoices&>(work) = choices;
    if (work.random == nullptr) work.random = &defaultRandomSource();
    work.steps = StepKeeper(choices.kept);
    work.letter = variableLetterOf(equation);
    work.openingLine = extEquationLayout(choices.style, normalised);
    return work;
}

// The solution of a normalised equation that has brackets, into work.steps;
// false when the arithmetic gives out or linearEquationSteps refuses what is
// left (work.refusal says why).
bool solveWithBrackets(ExtendedWork& work, Ext_polyEquation normalised) {
    if (!work.skipOpeningFrame) work.addStandaloneStep(linesOf(work.openingLine), "🤔");

    Outcome<Ext_polyEquation> absorbed = absorbSingleTermGroupsBothSides(normalised);
    if (absorbed.failed) return false;
    if (absorbed.applies() && !eitherExtSideHasBrackets(*absorbed.value)) {
        // Absorbing took every bracket away: no bracket phase.
        const PolyEquation eq = extToPolyEquation(*absorbed.value);
        work.startWorkedLines();
        return appendLinearSteps(work, eq) && closingFrame(work, eq);
    }
    if (absorbed.applies()) {
        work.current = std::move(*absorbed.value);
        work.startWorkedLines();
    } else {
        work.current = std::move(normalised);
        work.currentIsOpening = true;
    }

    if (!bracketPhase(work)) return false;
    const PolyEquation eq = extToPolyEquation(work.current);
    if (!isSolvedForm(work.style == Style::decimal, eq) && !appendLinearSteps(work, eq)) {
        return false;
    }
    return closingFrame(work, eq);
}

}  // namespace

WorkedSteps extendedLinearEquationSteps(const Ext_polyEquation& equation, const LinearStepChoices& choices) {
    const Style style = choices.style;
    if (eitherExtSideHasZeroDenominator(equation)) {
        return refusalOf(Refusal::zero_denominator, extEquationLayout(style, equation));
    }
    if (!isWellFormedExtEquation(equation)) return malformedRefusal();

    Ext_polyEquation normalised = unwrapUnitBracketsBothSides(pruneExtEquation(true, equation));
    if (!eitherExtSideHasBrackets(normalised)) return linearEquationSteps(extToPolyEquation(normalised), choices);

    ExtendedWork work = startedWork(choices, equation, normalised);
    if (!solveWithBrackets(work, std::move(normalised))) {
        if (!work.clearedAboveLcm) return refusalOf(work.refusal, extEquationLayout(style, equation));
        // Clearing by a power of ten above the lcm can carry a later step
        // out of 64 bits where the lcm would not: the lcm clears instead.
        normalised = unwrapUnitBracketsBothSides(pruneExtEquation(true, equation));
        work = startedWork(choices, equation, normalised);
        work.clearByLcm = true;
        if (!solveWithBrackets(work, std::move(normalised))) {
            return refusalOf(work.refusal, extEquationLayout(style, equation));
        }
    }
    return work.steps.take(std::move(work.workedLines));
}

std::optional<LinearSolution> extendedLinearSolutionStatus(const Ext_polyEquation& equation) {
    if (eitherExtSideHasZeroDenominator(equation) || !isWellFormedExtEquation(equation)) return std::nullopt;
    const auto black = [](const Ext_polyEquation& e) {
        return recolorExtEquation(Color::black, Color::black, Color::black, e);
    };
    // The engine refuses what is not linear in one letter; the status of the
    // plain equation would read past the letters (2x = 3y as x = 0).
    const auto statusOf = [](const PolyEquation& plain) -> std::optional<LinearSolution> {
        if (!isLinearInOneVariable(plain)) return std::nullopt;
        return linearSolutionStatus(plain);
    };

    Ext_polyEquation e = unwrapUnitBracketsBothSides(pruneExtEquation(true, equation));
    if (!eitherExtSideHasBrackets(e)) return statusOf(extToPolyEquation(e));
    const Outcome<Ext_polyEquation> absorbed = absorbSingleTermGroupsBothSides(e);
    if (absorbed.failed) return std::nullopt;
    if (absorbed.applies()) {
        if (!eitherExtSideHasBrackets(*absorbed.value)) return statusOf(extToPolyEquation(*absorbed.value));
        e = *absorbed.value;
    }

    const Outcome<ExtEquationPair> simplified = simplifyStep(e);
    if (simplified.failed) return std::nullopt;
    if (simplified.applies()) e = black(simplified.value->after);
    const Outcome<ClearedFractions> cleared = clearFractionsStep(true, e);
    if (cleared.failed) return std::nullopt;
    if (cleared.applies()) e = black(cleared.value->third);
    for (;;) {
        const Outcome<ExtEquationPair> combined = combineSimpleLikeTermsStep(true, e);
        if (combined.failed) return std::nullopt;
        if (combined.applies()) e = black(combined.value->after);
        const Outcome<ExtEquationPair> distributed = distributeStep(true, e);
        if (distributed.failed) return std::nullopt;
        if (!distributed.applies()) break;
        e = black(distributed.value->after);
    }
    return statusOf(extToPolyEquation(e));
}

}  // namespace duolinear
