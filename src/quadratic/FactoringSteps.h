#pragma once
// The factoring method of the quadratic step solver: one equation in one
// variable solved by factoring, as a worked solution of steps with one
// caption each.
//
// After the shared opening (QuadraticOpening.h, clearing fractions or
// decimals rather than simplifying) the equation stands as a polynomial in
// descending powers against 0. Then, each step only when it has work:
//   "simplify the equation"        the common factor taken out (CommonFactorStep.h)
//   "complete the factorization"   the equation and its factored form (FactoredForm.h)
//   "zero-product rule"            each factor set to 0 and solved, side by side
//                                  joined by " or " (the first " or " marked)
//   or, when it does not factor over the integers, a step captioned with the
//   verdict itself: "no solution" or "factors but not over integers"
//   "😎"                           the opening line, two blank lines, the roots
//                                  (smaller first) and the status, e.g.
//                                  "x = 2 or x = 3", "distinct rational solutions",
//                                  "(number line order)"
// Every step begins with the lines carried from the steps before it. Rational
// roots are drawn as fractions whatever the style; irrational ones over a
// common denominator when the style is fraction, else in the style.
//
// Choices read: highlight (red marks, else black), skipOpeningFrame (no "🤔"
// and "😎" steps), style, clearFractions (handed to the linear engine only)
// and random; technique and method change nothing. An equation the method
// cannot work gets the one-step refusal of QuadraticRefusal.h.

#include "algebra/Equation.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

WorkedSteps factoringSteps(const PolyEquation& equation, const LinearStepChoices& choices = {});

}  // namespace duolinear
