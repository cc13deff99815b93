#pragma once
// The six coefficients of a system as 64-bit integers, for the steps that
// work with whole numbers: common factors, multipliers and the column table
// of elimination. The screens give whole numbers only; a coefficient that is
// not whole has no integer reading, and the system then has none.

#include <cstdint>
#include <optional>

#include "solver/DuolinearSystem.h"

namespace duolinear {

struct WholeCoefficients {
    std::int64_t a1 = 0, b1 = 0, c1 = 0;
    std::int64_t a2 = 0, b2 = 0, c2 = 0;
};

// The whole number a coefficient stands for (numerator over a denominator
// that divides it); no value for a zero denominator or a proper fraction.
std::optional<std::int64_t> wholeValue(const Rational& value);

// No value when the system is not of the solver's shape or a coefficient is
// not whole.
std::optional<WholeCoefficients> wholeCoefficients(const Duolinear& system);

}  // namespace duolinear
