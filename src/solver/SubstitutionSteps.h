#pragma once
// The steps of the substitution method and the substitution of a known value,
// which the elimination steps and the single-variable shortcut use too.
//
// Equations have the solver's shape, [x term, y term] = [constant]; terms are
// found by position (x at 0, y at 1). v is the letter an operation replaces
// or solves for, w the other one. Each operation gives no value when its
// arithmetic would overflow 64 bits (the one-variable working it shows is
// refused then), or when a coefficient it divides by is 0.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/Rational.h"
#include "layout/TagLayout.h"
#include "linear_steps/WorkedSteps.h"
#include "solver/Classification.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"

namespace duolinear {

struct Rearrangement {
    // The equation and a·v = c − b·w; unless a is 1, v = (1/a)(c − b·w)
    // (left out when a is −1) and v = c/a − (b/a)·w.
    StepLines lines;
    PolyEquation solved;  // v = ..., v alone on the left
};

// v expressed in terms of w from the equation; the coefficient of v must be
// a whole number other than 0.
std::optional<Rearrangement> rearrangeForVariable(const PolyEquation& equation, Var v);

// The other equation with the letter v in red " and " the expression v = ...
// in red, a blank line, and the last step of the working of the other
// equation with the expression in brackets in place of v.
std::optional<StepLines> substituteExpressionStep(const PolyEquation& equation, Var v, const PolyEquation& expression);

// The equation with the letter v in red " and " v = value in red, a blank
// line, and the last step of the working with the value in place of v.
// asGiven: substitute into the equation as it stands. Otherwise the equation
// is first rewritten as w = c/p − (q/p)·v (p, q the coefficients of w and v),
// and the value goes into that form; p must not be 0.
std::optional<StepLines> substituteValueAndSolve(const PolyEquation& equation, Var v, const Rational& value,
                                                 bool asGiven);

// The substitution road: v (by variable) in terms of w from the equation
// chosen by equation, the expression substituted into the other equation,
// and, for a system with one solution, the value of w substituted back into
// the rearranged equation. Two or three steps, one comment each.
std::optional<WorkedSteps> substitutionSteps(const Duolinear& system, const DuolinearClassification& classification,
                                             Duolinear_variable variable, Duolinear_equation equation);

}  // namespace duolinear
