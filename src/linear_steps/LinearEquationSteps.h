#pragma once
// The step-by-step solution of one linear equation or inequality in one
// variable. The stages run in a fixed order, each only when it has work:
// an opening "🤔" frame, a shortcut for (nearly) solved equations, "simplify",
// "combine simple like terms", "clear fractions" or "clear decimals",
// "combine like terms", "x terms to one side", "constant terms opposite to x",
// "solve for x", and a closing "😎" frame. Every step carries one comment.
//
// An equation the engine cannot work (a coefficient with denominator 0, a
// term of exponent 2 or more, more than one variable letter, or arithmetic
// that leaves 64 bits at any stage) gets the one-step refusal: the equation,
// two blank lines, "division by zero" and "please correct", commented "oops".

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/RandomSource.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

// technique: how terms move (balance writes the operation on both sides).
// highlight: the parts each step acts on in red rather than black.
// skipOpeningFrame: no "🤔" and "😎" steps and no sign-change notice.
// style: how coefficients are drawn; also decides "clear decimals".
// method: the advice on collecting variable terms (smart draws from random).
// clearFractions: false leaves out the clearing stage.
WorkedSteps linearEquationSteps(Technique technique, bool highlight, bool skipOpeningFrame, Style style, Method method,
                                bool clearFractions, const PolyEquation& equation,
                                RandomSource& random = defaultRandomSource());

}  // namespace duolinear
