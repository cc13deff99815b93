#pragma once
// Internal to the linear problem generator: the levels of
// generateLinearProblemXL, each drawing its own variant and coefficients and
// building its record. No value when a draw gives up (a broken source).

#include <optional>
#include <string_view>

#include "algebra/RandomSource.h"
#include "linear_problems/LinearProblemRecord.h"

namespace duolinear::detail {

// Level 0: five bracket forms, whole coefficients, a plain display line.
std::optional<LinearProblemRecord> bracketProblem(std::string_view relationSymbol, RandomSource& source);
// Level 1: four forms of two terms a side, decimal coefficients, a plain display line.
std::optional<LinearProblemRecord> decimalProblem(std::string_view relationSymbol, RandomSource& source);
// Level 2: four forms of two terms a side, fractional coefficients, diagonal fractions.
std::optional<LinearProblemRecord> fractionProblem(std::string_view relationSymbol, RandomSource& source);
// Every other level: a fraction times a bracket, diagonal fractions.
std::optional<LinearProblemRecord> fractionTimesBracketProblem(std::string_view relationSymbol, RandomSource& source);

}  // namespace duolinear::detail
