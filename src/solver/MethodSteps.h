#pragma once
// The method's own steps of a worked solution, between the commentary and the
// closing step: eliminationSteps for addition and elimination,
// substitutionSteps for substitution.

#include <optional>

#include "linear_steps/WorkedSteps.h"
#include "solver/SolverFacts.h"

namespace duolinear {

// The four left-side coefficients must be non-zero. No value when the
// arithmetic would overflow 64 bits.
std::optional<WorkedSteps> buildMethodSteps(const SolverFacts& facts);

}  // namespace duolinear
