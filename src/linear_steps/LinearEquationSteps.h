#pragma once
// The step-by-step solution of one linear equation or inequality in one
// variable. The stages run in a fixed order, each only when it has work:
// an opening "🤔" frame, a shortcut for (nearly) solved equations, "simplify",
// "combine simple like terms", "clear fractions" or "clear decimals" (or, for
// a factor of 1 after which the numbers read otherwise, -47/-1 as 47,
// "simplify"), "combine like terms", "x terms to one side", "constant terms
// opposite to x", "solve for x", and a closing "😎" frame. Every step carries
// one comment.
//
// An equation the engine cannot work gets the one-step refusal of Refusal.h,
// which says why: "division by zero" for a coefficient with denominator 0,
// "not linear in one variable" for a term of exponent 2 or more or a second
// variable letter, "numbers too large" for arithmetic that leaves 64 bits.

#include "algebra/Equation.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

// The choices are described beside LinearStepChoices; clearExtFractions does
// not concern this engine.
WorkedSteps linearEquationSteps(const PolyEquation& equation, const LinearStepChoices& choices = {});

}  // namespace duolinear
