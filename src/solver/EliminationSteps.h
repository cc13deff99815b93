#pragma once
// The steps of addition and elimination: one step that scales the equations,
// sets them in aligned columns, adds or subtracts them and starts solving the
// equation in one variable ("solve equations for y" when x is eliminated),
// and, for a system with one solution, a second step that substitutes the
// value found into the chosen equation ("solve first for x" and the like).

#include <optional>

#include "linear_steps/WorkedSteps.h"
#include "solver/SolverFacts.h"

namespace duolinear {

// No value when the facts have no multipliers or the arithmetic would
// overflow 64 bits.
std::optional<WorkedSteps> eliminationSteps(const SolverFacts& facts);

}  // namespace duolinear
