#pragma once
// The substitution of an expression for a letter: the second step of the
// substitution method. The equation has the solver's shape, [x term, y term]
// = [constant]; terms are found by position (x at 0, y at 1).

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The other equation with the letter v in red " and " the expression v = ...
// in red, a blank line, and the last step of the working of the other
// equation with the expression in brackets in place of v. No value when the
// arithmetic would overflow 64 bits (the working is refused then).
std::optional<StepLines> substituteExpressionStep(const PolyEquation& equation, Var v, const PolyEquation& expression);

}  // namespace duolinear
