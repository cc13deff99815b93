#include "solver/MethodSteps.h"

#include "solver/SubstitutionSteps.h"

namespace duolinear {

std::optional<WorkedSteps> buildMethodSteps(const Duolinear& system, Duolinear_variable variable,
                                            Duolinear_equation equation, Duolinear_LCM use_LCM,
                                            Duolinear_method method) {
    const std::optional<DuolinearClassification> classification = classifyDuolinearSystem(system);
    if (!classification) return std::nullopt;
    if (method == Duolinear_method::substitution) {
        return substitutionSteps(system, *classification, variable, equation);
    }
    return eliminationSteps(system, *classification, variable, equation, use_LCM, method);
}

}  // namespace duolinear
