#pragma once
// The first step of completing the square: make the coefficient of v² equal
// to 1. For a·v² + … = 0 the step shows
//   a·v² + … = 0              a in red
//   (1/a)(a·v² + …) = (1/a)(0)   each side bracketed, 1/a in red
//   v² + (b/a)·v + … = 0      every left-hand term divided by a
// and two notes in red, "divide both sides by  " a and "or multiply by  " 1/a,
// their numbers drawn as numbers or stacked fractions whatever the style.
//
// The caller hands over the equation as the opening leaves it: a left side in
// descending powers led by a term with a non-zero coefficient, and a zero
// right side, which is carried over unchanged. The relation is never
// reversed, also for a negative a (the methods refuse inequalities anyway).

#include <vector>

#include "algebra/Equation.h"
#include "algebra/Outcome.h"
#include "algebra/Term.h"
#include "layout/TagLayout.h"

namespace duolinear {

struct LeadingCoefficientStep {
    PolyEquation before;
    Ext_polyEquation bracketed;
    PolyEquation after;
    Layouts notes;  // the two note lines
};

// Nothing to do when a equals 1 by value (3/3 counts). Fails for an empty
// left side, an a of 0, or a quotient that does not fit 64 bits.
Outcome<LeadingCoefficientStep> divideByLeadingCoefficientStep(const PolyEquation& equation);

}  // namespace duolinear
