#pragma once
// The two equations scaled by their elimination multipliers and their sum or
// difference, as the addition and elimination steps show them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algebra/Equation.h"
#include "solver/SolverFacts.h"

namespace duolinear {

struct EquationCombination {
    std::vector<PolyEquation> equations;  // first row, second row, result row
    std::int64_t k1 = 1;
    std::int64_t k2 = 1;
    std::string operatorText;  // "+" when the rows are added, "−" (U+2212) when the second is subtracted
};

// The multipliers of the facts. The addition method always adds;
// elimination adds when the eliminated coefficients have opposite signs and
// subtracts when they share one. Rows: k1·(first), k2·(second) and the first
// row plus or minus the second, every coefficient kept as a term (the result
// row's eliminated coefficient is 0), all black. unscaledRows: the rows are
// the two equations as entered and the first again, holding the place of the
// result. No value when the facts have no multipliers or a product or sum
// does not fit in 64 bits.
std::optional<EquationCombination> combineEquations(const SolverFacts& facts, bool unscaledRows);

}  // namespace duolinear
