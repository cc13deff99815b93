#pragma once
// The exact roots of a quadratic equation in one variable, classified by the
// discriminant. Every quadratic method ends with them: the factoring method
// writes its factors from them, and each method's closing step states them.
//
// The equation is read as a·x² + b·x + c = 0 with a, b and c the sums of the
// coefficients of exponent 2, 1 and 0 of LHS − RHS. Only the exponent of a term
// decides where it counts (its letter is not read; other exponents are
// ignored), and the relation and every colour are ignored, so an inequality is
// read as its equation. The coefficients are scaled to integers A, B, C
// without a common factor, with A > 0, and D = B² − 4AC decides:
//   D < 0                 none: no roots
//   D = 0                 rational_repeated: both roots −B/2A
//   D = t², t > 0         rational_distinct: (−B − t)/2A, then (−B + t)/2A
//   otherwise, D = k²·q   irrational_distinct: −B/2A ∓ (k/2A)·√q, q square-free
// The first root is the smaller. A rational root has b = 0/1 and c = 0; every
// a and b is in lowest terms with a positive denominator, all black.
// irrational_repeated is never produced.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/QuadraticSolution.h"

namespace duolinear {

struct QuadraticRoots {
    std::optional<Quadratic_solution> first;   // the smaller root; none exactly when status is none
    std::optional<Quadratic_solution> second;  // equal to first for a repeated root
    Quadratic_status status = Quadratic_status::none;
};

// No value when there are no roots to form: the x² coefficient is 0 (no x²
// term, or x² terms that cancel), or a coefficient has denominator 0. Nor
// when the roots cannot be written: the working is in 128 bits, and a part of
// a root (a numerator, a denominator, the radicand) must fit in 64 bits.
std::optional<QuadraticRoots> quadraticRoots(const PolyEquation& equation);

}  // namespace duolinear
