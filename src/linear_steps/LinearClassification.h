#pragma once
// Decisions that the linear step engine takes about the equation in hand:
// which preparatory stages it leaves out, and whether the equation is already
// solved.

#include "algebra/Equation.h"
#include "algebra/Options.h"

namespace duolinear {

// Where the fractional coefficients (stored denominator not 1) sit decides
// whether the "simplify" stage, the clearing stage, both or neither are left
// out. The decimal style never answers clear or none, the other styles never
// reduce. The relation is not looked at.
Step_exclusions classifyLinearEquation(Style style, const PolyEquation& equation);

// The left side is the bare variable (coefficient 1/1) and the right side a
// single constant term, which outside the decimal style must also be in
// lowest terms with a positive denominator.
bool isSolvedForm(bool decimal, const PolyEquation& equation);

}  // namespace duolinear
