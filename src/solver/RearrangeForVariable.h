#pragma once
// One equation of the solver's shape, [x term, y term] = [constant], solved
// for one of its letters v in terms of the other, w, as the first step of
// the substitution method shows it. Terms are found by position (x at 0,
// y at 1).

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "layout/TagLayout.h"

namespace duolinear {

struct Rearrangement {
    // The equation and a·v = c − b·w; unless a is 1, v = (1/a)(c − b·w)
    // (left out when a is −1) and v = c/a − (b/a)·w.
    StepLines lines;
    PolyEquation solved;  // v = ..., v alone on the left
};

// v expressed in terms of w from the equation; the coefficient of v must be
// a whole number other than 0. No value when it is not, or when the
// arithmetic would overflow 64 bits.
std::optional<Rearrangement> rearrangeForVariable(const PolyEquation& equation, Var v);

}  // namespace duolinear
