#pragma once
// The decimal text of a root a + b·√c: "%.8g" of its value, the exact root
// rounded to eight significant digits.
//
// The value is formed without cancellation: when a and b·√c have opposite
// signs, as (a² − b²c) / (a − b·√c), with a² − b²c exact. Its error is
// bounded, so the digits are certain unless the value lies within that bound
// of a halfway point between them and a neighbour. Only then are they checked
// in exact integer arithmetic against the root itself, and the neighbouring
// eight digits taken when the value rounded the other way; so a root whose
// parts nearly cancel keeps its digits. A root of 0 reads "0".

#include <optional>
#include <string>

#include "algebra/QuadraticSolution.h"

namespace duolinear {

// The text for every root with nonzero denominators and a radicand c >= 0.
// For a zero denominator or a negative radicand the text of the
// floating-point sum, which is no number ("inf", "-inf" or "nan"). No value
// only when no digits could be confirmed, which the accuracy of the value
// rules out for the roots above.
std::optional<std::string> decimalRootText(const Quadratic_solution& root);

}  // namespace duolinear
