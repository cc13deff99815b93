#pragma once
// The multipliers that give the eliminated variable's two coefficients the
// same absolute value. The commentary and the combination of the equations
// both take them from here, so the text and the steps always agree.

#include <cstdint>
#include <optional>

#include "solver/DuolinearOptions.h"
#include "solver/WholeCoefficients.h"

namespace duolinear {

struct EliminationMultipliers {
    std::int64_t k1 = 1;    // multiplies the first equation
    std::int64_t k2 = 1;    // multiplies the second equation
    bool sameSign = false;  // the two eliminated coefficients as entered
};

// The eliminated coefficients c1, c2 are a1, a2 when the choices eliminate x
// and b1, b2 when they eliminate y; both must be non-zero. The constants and
// the chosen equation are not read. The target is lcm(c1, c2) with LCM; with smart,
// |c1| when c1 is a multiple of c2, else |c2| when c2 is a multiple of c1,
// else |c1·c2|. k1 and k2 bring each coefficient to the target. The addition
// method always adds, so when the coefficients share a sign one multiplier is
// negated: k2, unless k2 is 1 and k1 is not, then k1.
// No value for a zero coefficient or when the target does not fit in 64 bits.
std::optional<EliminationMultipliers> eliminationMultipliers(const WholeCoefficients& w, const SolverChoices& choices);

}  // namespace duolinear
