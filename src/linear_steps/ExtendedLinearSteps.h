#pragma once
// The step-by-step solution of one linear equation or inequality in one
// variable whose sides may hold bracketed groups. A bracket phase works the
// brackets away ("simplify", "clear fractions" or "clear decimals", then
// "combine simple like terms" and "distribute to remove (  )" in turn until
// no bracket is left); what remains is handed to linearEquationSteps, whose
// steps are shown below the lines already worked. An opening "🤔" and a closing "😎" step frame the
// whole unless the caller skips them.
//
// In the decimal style the clearing step takes 10 to the places shown, where
// every top-level number is written as a decimal (clearFractionsStep in
// ExtendedStepProducers.h); should that power, larger than the lcm, carry a
// later step out of 64 bits, the working is done again clearing by the lcm,
// so no equation is refused that the lcm clears.
//
// The refusal (Refusal.h): an equation with a denominator 0 anywhere gets the
// one step of the equation, two blank lines, "division by zero" and "please
// correct", commented "oops"; one whose arithmetic leaves 64 bits at any
// stage says "numbers too large" instead, and one that is not linear in one
// letter once the brackets are gone "not linear in one variable". A side
// without groups or with a bracket that names no earlier group gets the one
// step "unexpected error", commented "oops".

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Term.h"
#include "linear_steps/LinearSolutionStatus.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

// The choices are described beside LinearStepChoices. technique, method and
// clearFractions are passed on to linearEquationSteps only; an equation
// without brackets is handed over whole, skipOpeningFrame included.
WorkedSteps extendedLinearEquationSteps(const Ext_polyEquation& equation, const LinearStepChoices& choices = {});

// The answer that extendedLinearEquationSteps reaches, without drawing: the
// value, the relation of the solved form and the status. No value when the
// engine would refuse the equation (2x = 3y among them: the letters count).
std::optional<LinearSolution> extendedLinearSolutionStatus(const Ext_polyEquation& equation);

}  // namespace duolinear
