#pragma once
// The multipliers that give the eliminated variable's two coefficients the
// same absolute value. The commentary and the combination of the equations
// both take them from here, so the text and the steps always agree.

#include <cstdint>
#include <optional>

#include "solver/DuolinearOptions.h"

namespace duolinear {

struct EliminationMultipliers {
    std::int64_t k1 = 1;    // multiplies the first equation
    std::int64_t k2 = 1;    // multiplies the second equation
    bool sameSign = false;  // the two eliminated coefficients as entered
};

// The eliminated coefficients c1, c2 are a1, a2 for variable x and b1, b2 for
// y; both must be non-zero. The target is lcm(c1, c2) with LCM; with smart,
// |c1| when c1 is a multiple of c2, else |c2| when c2 is a multiple of c1,
// else |c1·c2|. k1 and k2 bring each coefficient to the target. The addition
// method always adds, so when the coefficients share a sign one multiplier is
// negated: k2, unless k2 is 1 and k1 is not, then k1.
// No value for a zero coefficient or when the target does not fit in 64 bits.
std::optional<EliminationMultipliers> eliminationMultipliers(std::int64_t a1, std::int64_t b1, std::int64_t a2,
                                                             std::int64_t b2, Duolinear_method method,
                                                             Duolinear_variable variable, Duolinear_LCM use_LCM);

}  // namespace duolinear
