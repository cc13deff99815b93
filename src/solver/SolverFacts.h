#pragma once
// What the solver driver works out once about a system it has accepted, with
// the learner's choices, handed as one value to every producer of the worked
// solution: the system itself, its whole coefficients, its classification
// and, for addition and elimination, the elimination multipliers.

#include <optional>

#include "solver/Classification.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"
#include "solver/EliminationMultipliers.h"
#include "solver/WholeCoefficients.h"

namespace duolinear {

struct SolverFacts {
    Duolinear system;  // of the solver's shape, whole coefficients, no zero denominator
    SolverChoices choices;
    WholeCoefficients whole;
    DuolinearClassification classification;
    // Addition and elimination: the multipliers of the chosen variable. None
    // for substitution, and none when an eliminated coefficient is 0 (only an
    // equation in one variable has one; the driver's shortcut solves those)
    // or the multipliers do not fit in 64 bits.
    std::optional<EliminationMultipliers> multipliers;
};

// The facts of a system of the solver's shape whose whole coefficients are
// given; no value when its classification overflows 64 bits.
std::optional<SolverFacts> solverFacts(const Duolinear& system, const WholeCoefficients& whole,
                                       const SolverChoices& choices);

}  // namespace duolinear
