#pragma once
// The line of the "complete the factorization" step: the factored equation
// that factoredForm builds, drawn as k·v(q·v − p) = 0 or (q·v − p)(q′·v − p′) = 0.
// It draws exactly the shapes factoredForm makes: on each side a root group
// of plain terms, or of one term whose factors (exponent 1) name groups of
// plain terms. A coefficient 1 before brackets is left out and −1 is written
// as "-"; every piece takes the colours stored in the terms.

#include "algebra/FactoredPolynomial.h"
#include "algebra/Options.h"
#include "layout/TagLayout.h"

namespace duolinear {

// "unexpected error" when a side has no groups or names a group that is
// missing or not before the root group.
TagLayout factoredEquationLayout(Style style, const Polynomial_Equation_XL& equation);

}  // namespace duolinear
