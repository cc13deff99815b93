#pragma once
// The system value of the two-equation solver and what every part of the
// solver reads from it.
//
// Inside the solver every equation has the shape [x term, y term] = [constant]:
// two variable terms (letters x and y, exponent 1) on the left, one constant
// on the right, relation "=". Terms are found by position; zero coefficients
// are present as terms. No operation of the solver changes a system.

#include <optional>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/Rational.h"

namespace duolinear {

struct Duolinear {
    std::vector<PolyEquation> equations;  // first, then second
};

// The six coefficients of a1·x + b1·y = c1, a2·x + b2·y = c2, as stored.
struct SystemCoefficients {
    Rational a1, b1, c1;
    Rational a2, b2, c2;
};

// Whether the system holds two equations of the solver's shape: exactly two
// terms on each left side and one on each right side.
bool hasSolverShape(const Duolinear& system);

// The coefficients by position; no value when the system is not of the
// solver's shape, so that nothing reads past a side.
std::optional<SystemCoefficients> systemCoefficients(const Duolinear& system);

// True when each equation has a non-zero x or y coefficient (numerator not 0).
// The second equation is looked at only when the first passes. False for a
// system that is not of the solver's shape.
bool equationsHaveVariableTerms(const Duolinear& system);

}  // namespace duolinear
