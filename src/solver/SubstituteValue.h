#pragma once
// The substitution of a known value for a letter, which the substitution and
// elimination steps and the single-variable shortcut all end with. The
// equation has the solver's shape, [x term, y term] = [constant]; terms are
// found by position (x at 0, y at 1). v is the letter replaced, w the other.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/Rational.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The equation with the letter v in red " and " v = value in red, a blank
// line, and the last step of the working with the value in place of v.
// asGiven: substitute into the equation as it stands. Otherwise the equation
// is first rewritten as w = c/p − (q/p)·v (p, q the coefficients of w and v),
// and the value goes into that form; p must not be 0. No value when it is, or
// when the arithmetic would overflow 64 bits (the working is refused then).
std::optional<StepLines> substituteValueAndSolve(const PolyEquation& equation, Var v, const Rational& value,
                                                 bool asGiven);

}  // namespace duolinear
