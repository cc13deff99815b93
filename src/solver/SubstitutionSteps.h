#pragma once
// The steps of the substitution method: v (by the chosen variable) in terms
// of w from the chosen equation, the expression substituted into the other
// equation, and, for a system with one solution, the value of w substituted
// back into the rearranged equation.

#include <optional>

#include "linear_steps/WorkedSteps.h"
#include "solver/SolverFacts.h"

namespace duolinear {

// Two or three steps, one comment each. No value when the arithmetic of a
// step would overflow 64 bits, or when a coefficient it divides by is 0.
std::optional<WorkedSteps> substitutionSteps(const SolverFacts& facts);

}  // namespace duolinear
