#pragma once
// The last step of completing the square: from v² + b·v = r, with h = b/2 and
// s = r + h², the square root of both sides and the roots:
//   no real roots      "negative RHS, no solution"
//   a repeated root    v + h = 0 (left out when h is 0), then v = −h
//   otherwise          v + h = ±√s in red (v = ±√s when h is 0, s not
//                      simplified); for two rational roots and h ≠ 0 also
//                      v = −h ± √s worked out; then the roots line
// The roots line draws rational roots as numbers or stacked fractions and
// irrational ones in the style unchanged; every other line follows the style.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The caller hands over v² + b·v = r (or v² = r), all black: b is the
// coefficient of the last left-hand term when its power is 1, else 0, and r
// the first right-hand coefficient. No value for an empty side, when
// quadraticRoots forms no roots, on 64-bit overflow, or when the equation
// breaks that form so that s is no exact square where the roots are rational.
std::optional<StepLines> squareRootAndSolveStep(Style style, const PolyEquation& equation);

}  // namespace duolinear
