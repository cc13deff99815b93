#pragma once
// Clearing decimals as the decimal style shows them. A coefficient stored
// unreduced, such as 67580/10000, reads 6.758: it has the places of its value,
// so the power of ten that clears it is 10³, not its stored denominator 10⁴.

#include <cstdint>
#include <optional>

#include "algebra/Equation.h"

namespace duolinear {

struct DecimalClearing {
    std::int64_t factor = 1;  // 10ᴺ, N the most decimal places of a coefficient's value
    PolyEquation cleared;     // every coefficient times the factor, over 1, black
};

// No value when a coefficient has no terminating decimal (or a zero
// denominator), or when a product does not fit in 64 bits.
std::optional<DecimalClearing> clearShownDecimals(const PolyEquation& equation);

}  // namespace duolinear
