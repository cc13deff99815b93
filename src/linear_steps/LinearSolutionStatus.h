#pragma once
// The solution of a linear equation or inequality in one step: read as
// a·x REL c, where a collects the variable terms (exponent 1) and c the
// constant terms (exponent 0) of both sides.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/Rational.h"
#include "layout/Enumerations.h"

namespace duolinear {

struct LinearSolution {
    Rational value;     // c / a in lowest terms for a unique solution, else 0/1
    Relation relation;  // the relation of the answer x REL value
    Status status;
};

// a ≠ 0: unique, value c / a, the relation reversed when a is negative.
// a = 0: every value or none, depending on the sign of c and the relation.
// No value when the equation is not linear (a term of exponent 2 or more with a
// non-zero numerator), when a denominator is 0, or when a sum leaves 64 bits.
// Variable letters are not looked at.
std::optional<LinearSolution> linearSolutionStatus(const PolyEquation& equation);

}  // namespace duolinear
