#pragma once
// The lines of the formula method's "substitute in formula and solve" step,
// for an equation that stands as a·v² + b·v + c = 0 (every term on the left):
//   a·v² + b·v + c = 0                 the equation rebuilt from a, b and c
//   two blank lines
//   for  av² + bv + c = 0 ,  a ≠ 0     the general form
//   v = (-b ± √(b² − 4ac)) / 2a        the formula
//   three blank lines
//   a = … , b = … and c = …            the values
//   v = (-(b) ± √((b)² − 4(a)(c))) / 2(a)   the values put in
//   three blank lines
//   v = r1 or v = r2, then "from calculator"; or "no solution" alone
// a is the first left-hand coefficient, b and c those of the first left-hand
// terms of power 1 and 0 (0 when there is none; the rebuilt equation then
// leaves the term out). With highlight a is red, b blue and c gray wherever
// they stand, labels included; otherwise everything is black. Numbers are
// drawn as numbers or stacked fractions, and the substitution brackets a and
// c always and b only when it is negative or a fraction. Irrational roots
// stand over one common denominator. The lines do not depend on the style
// the learner chose, so the presentation takes none.

#include <optional>

#include "algebra/Equation.h"
#include "layout/TagLayout.h"

namespace duolinear {

// No value when the left side is empty or quadraticRoots forms no roots (no
// v² term, a zero denominator, or 64-bit overflow).
std::optional<StepLines> formulaPresentation(bool highlight, const PolyEquation& equation);

}  // namespace duolinear
