#pragma once
// The in-band refusal of the quadratic methods: when an equation cannot be
// worked, the whole worked solution is one step, commented "oops": the given
// equation, two blank lines and the lines saying why ("please correct" only
// where the learner can correct something). It replaces every step
// built so far and is given whether or not the opening and closing frames are
// skipped.

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

enum class QuadraticRefusal {
    zero_denominator,  // "division by zero" / "please correct"
    overflow,          // "numbers too large" alone: 64-bit arithmetic gave out
    several_letters,   // "only equations in" / "one variable are solved"
    not_degree_two,    // "only equations of degree 2" / "are solved": a higher power, or no x² term
    inequality,        // "quadratic inequalities" / "are not solved"
};

// The one-step refusal; the equation is drawn in the style.
WorkedSteps quadraticRefusal(QuadraticRefusal reason, const PolyEquation& equation, Style style);

}  // namespace duolinear
