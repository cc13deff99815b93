#pragma once
// The advisory step that points out an equation whose three coefficients
// share a factor greater than 1 and shows how it simplifies. The solution
// goes on with the equations as entered; the simplified forms are drawn only.

#include "algebra/Outcome.h"
#include "solver/SolverFacts.h"
#include "solver/SolverFrame.h"

namespace duolinear {

// The two equations, then for each one that simplifies (first, then second):
// two blank lines, "first equation simplifies" (or "second ..."), "g is GCD
// of a, b and c", a blank line, the equation, g(a/g·x + b/g·y) = g(c/g) and
// a/g·x + b/g·y = c/g; then two blank lines and "always consider". The
// frame's comment is "advisory". Nothing when neither equation simplifies.
// Fails when a gcd does not fit in 64 bits.
Outcome<SolverFrame> simplifyByGCD(const SolverFacts& facts);

}  // namespace duolinear
