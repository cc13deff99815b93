#pragma once
// The stage that takes the variable terms to one side. It chooses the side
// that collects them, so that their combined coefficient comes out positive
// where it can, writes the equations that the step shows, and composes the
// advice shown under them.
//
// Each side holds at most one variable and one constant term when this runs
// (like terms are combined first). With Method::standard a negative result is
// collected on the left all the same, with advice; Method::smart collects on
// the right, or, on a draw of 1 from 1 to 5, exchanges the sides first.

#include <optional>
#include <string>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/RandomSource.h"

namespace duolinear {

struct TransposeAdvice {
    bool moved = false;                   // false: nothing to move, no step
    std::vector<PolyEquation> equations;  // 2, 3 or 4, in the order the step shows them
    std::string advice;                   // may be empty
};

// No value when the 64-bit arithmetic overflows.
std::optional<TransposeAdvice> transposeAdvice(Technique technique, bool highlight, Method method,
                                               const PolyEquation& equation,
                                               RandomSource& random = defaultRandomSource());

}  // namespace duolinear
