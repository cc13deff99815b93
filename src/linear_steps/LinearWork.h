#pragma once
// The working state of one call of linearEquationSteps, shared by its stages:
// the caller's choices, what is fixed for the call (the letter, the solution),
// and the progress (the equation reached, the lines already passed, the steps).
//
// Stages add their steps through addStep, which sets the derivation above the
// step's own lines; when the caller keeps only one step, the others are never
// put together (StepKeeper.h), and once nothing more is kept (showing() is
// false) the stages still do their arithmetic but lay nothing out.

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/RandomSource.h"
#include "layout/TagLayout.h"
#include "linear_steps/LinearSolutionStatus.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/StepKeeper.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

struct LinearWork : LinearStepChoices {
    // Fixed for the call.
    char letter = 'x';
    LinearSolution solution;
    PolyEquation start;  // the opening equation without its zero terms

    // Progress.
    PolyEquation current;
    Layouts derivation;  // equations already passed, shown above new lines; only ever grows
    StepKeeper steps;                   // the steps made, as the caller keeps them

    // The opening equation.
    StepLines openingLines() const;
    // The answer line or the status message; may be empty.
    StepLines answerLines() const;
    // openingLines, then answerLines.
    StepLines closingLines() const;

    // Whether the step a stage makes now is kept, so that its lines (and
    // the derivation they add) are worth laying out.
    bool showing() const { return steps.showing(); }
    // A step: the derivation so far, then the given lines.
    void addStep(StepLines lines, std::string comment);
    // A step of the given lines alone.
    void addStandaloneStep(StepLines lines, std::string comment);
    // The same with the lines made by makeLines only if the step is kept
    // (see StepKeeper::addLazily: it holds by value what it reads).
    template <typename Make>
    void addStepLazily(Make&& makeLines, std::string comment) {
        steps.addLazily(derivation, derivation.size(), std::forward<Make>(makeLines), {std::move(comment)});
    }
    // The same below the first `shown` lines of the derivation, for a stage
    // that extends the derivation before it hands its own lines over.
    template <typename Make>
    void addStepLazilyBelow(std::size_t shown, Make&& makeLines, std::string comment) {
        steps.addLazily(derivation, shown, std::forward<Make>(makeLines), {std::move(comment)});
    }
    // The steps kept, handed over once the work is done.
    WorkedSteps takeSteps() { return steps.take(std::move(derivation)); }

    // Red with highlight, else black.
    Color marking() const;
    // The colour of a new answer line's relation: black for "=" or without
    // highlight, red otherwise.
    Color answerRelationColor(Relation relation) const;

    Monomial unitTerm() const;          // 1/1 · letter
    Monomial negativeUnitTerm() const;  // -1/1 · letter
    std::string solveForText() const;   // "solve for x"
    // Two blank lines and the notice of a change of sign; nothing when the
    // frames are skipped.
    StepLines signChangeNotice() const;

    // x REL c and c REL x: the unit term against the constant c (black).
    PolyEquation variableRelConstant(const Rational& c, Relation relation, Color relationColor = Color::black) const;
    PolyEquation constantRelVariable(const Rational& c, Relation relation, Color relationColor = Color::black) const;

    TagLayout inStyle(const PolyEquation& equation) const;        // the caller's style
    TagLayout inAnswerStyle(const PolyEquation& equation) const;  // decimal stays, else fraction
    static TagLayout inFraction(const PolyEquation& equation);
};

// Adds a list of lines at the end of another; a temporary list is moved in.
inline void appendLinesTo(StepLines& lines, const StepLines& part) {
    lines.insert(lines.end(), part.begin(), part.end());
}
inline void appendLinesTo(StepLines& lines, StepLines&& part) {
    lines.insert(lines.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
}

// Joins line lists in order.
template <typename... Parts>
StepLines concatLines(Parts&&... parts) {
    StepLines all;
    all.reserve((parts.size() + ... + 0));
    (appendLinesTo(all, std::forward<Parts>(parts)), ...);
    return all;
}

}  // namespace duolinear
