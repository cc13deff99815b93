#pragma once
// The shortcut for a system in which an equation has lost a variable: that
// equation is solved at once and its value substituted into the other. It
// replaces the common-factor advice, the commentary and the method's steps,
// and does not depend on the learner's choices.

#include <optional>
#include <string>

#include "algebra/Equation.h"
#include "algebra/Outcome.h"
#include "algebra/Rational.h"
#include "layout/TagLayout.h"

namespace duolinear {

struct ShortcutSteps {
    StepLines first;
    StepLines second;
    std::string firstCaption;
    std::string secondCaption;
};

// first and second are the equations without their zero terms. When both are
// in a single variable, each is solved on its own ("solve first", "solve
// second"). When only one is, it is solved and its value (x or y of the
// classification) substituted into the other ("substitute x into second").
// Nothing when both keep two variable terms. Fails when the value needed is
// missing or the arithmetic of a working overflows.
Outcome<ShortcutSteps> solveSingleVariableShortcut(const PolyEquation& first, const PolyEquation& second,
                                                   const std::optional<Rational>& x, const std::optional<Rational>& y);

}  // namespace duolinear
