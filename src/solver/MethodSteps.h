#pragma once
// The method's own steps of a worked solution, between the commentary and the
// closing step.
//
// Addition and elimination: one step that scales the equations, sets them in
// aligned columns, adds or subtracts them and starts solving the equation in
// one variable ("solve equations for y" when x is eliminated), and, for a
// system with one solution, a second step that substitutes the value found
// into the equation chosen by equation ("solve first for x" and the like).
// Substitution: the steps of substitutionSteps.

#include <optional>

#include "linear_steps/WorkedSteps.h"
#include "solver/Classification.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"

namespace duolinear {

// The four left-side coefficients must be non-zero. No value when the
// arithmetic would overflow 64 bits (or the system has no whole coefficients).
std::optional<WorkedSteps> buildMethodSteps(const Duolinear& system, Duolinear_variable variable,
                                            Duolinear_equation equation, Duolinear_LCM use_LCM,
                                            Duolinear_method method);

std::optional<WorkedSteps> eliminationSteps(const Duolinear& system, const DuolinearClassification& classification,
                                            Duolinear_variable variable, Duolinear_equation equation,
                                            Duolinear_LCM use_LCM, Duolinear_method method);

}  // namespace duolinear
