#include "solver/MethodSteps.h"

#include "solver/EliminationSteps.h"
#include "solver/SubstitutionSteps.h"

namespace duolinear {

std::optional<WorkedSteps> buildMethodSteps(const SolverFacts& facts) {
    if (facts.choices.method == Duolinear_method::substitution) return substitutionSteps(facts);
    return eliminationSteps(facts);
}

}  // namespace duolinear
