#pragma once
// The completing-the-square method of the quadratic step solver. After the
// shared opening (QuadraticOpening.h) the equation stands as a·v² + b·v + c = 0,
// and the method adds, each step only when it has work:
//   "divide by coefficient of v²"       a made 1 (LeadingCoefficientStep.h)
//   "constant term to right hand side"  c moved across (HalveAndSquareStep.h)
//   "complete the square"               (b/2)² added to both sides and the
//                                       left side written as (v + b/2)²
//   "square root and solve"             always (SquareRootStep.h)
//   "😎"                                the roots of the equation as the
//                                       opening first saw it, and the verdict
// Every step begins with the lines of the equations already dealt with, each
// cleared to black; red marks what a step operates on, blue what it adds to
// both sides. When there is no x term the current equation is carried
// without a "complete the square" step.
//
// Choices read: skipOpeningFrame (no "🤔" and "😎" steps), style (every
// equation line, the square-root step and the irrational closing roots; the
// notes of the divide and square steps always draw numbers as fractions) and
// clearFractions (handed to the linear finish); technique, highlight and
// method change nothing. An equation the method cannot work gets the one-step
// refusal of QuadraticRefusal.h.

#include "algebra/Equation.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

WorkedSteps completeTheSquareSteps(const PolyEquation& equation, const LinearStepChoices& choices = {});

}  // namespace duolinear
