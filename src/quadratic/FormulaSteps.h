#pragma once
// The formula method of the quadratic step solver: after the shared opening
// (QuadraticOpening.h) one step states and applies the quadratic formula,
// captioned "substitute in formula and solve" (FormulaPresentation.h) under
// the carried lines, and the "😎" step closes with the roots of the equation
// as the opening first saw it and their verdict (QuadraticClosing.h).
//
// Choices read: highlight (the marks of a, b and c), skipOpeningFrame (no
// "🤔" and "😎" steps), style (equation lines and irrational closing roots)
// and clearFractions (handed to the linear finish); technique and method
// change nothing. An equation the method cannot work gets the one-step
// refusal of QuadraticRefusal.h.

#include "algebra/Equation.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

WorkedSteps formulaSteps(const PolyEquation& equation, const LinearStepChoices& choices = {});

}  // namespace duolinear
