#include "solver/SolverFacts.h"

namespace duolinear {

std::optional<SolverFacts> solverFacts(const Duolinear& system, const WholeCoefficients& whole,
                                       const SolverChoices& choices) {
    std::optional<DuolinearClassification> classification = classifyDuolinearSystem(system);
    if (!classification) return std::nullopt;
    std::optional<EliminationMultipliers> multipliers;
    if (choices.method != Duolinear_method::substitution) multipliers = eliminationMultipliers(whole, choices);
    return SolverFacts{system, choices, whole, std::move(*classification), multipliers};
}

}  // namespace duolinear
