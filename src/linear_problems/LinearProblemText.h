#pragma once
// The display text of a practice problem whose spaced form has no brackets,
// written the way a person writes it: "x − 4 < 7", "-3 + x < 7", "6 < x/(-2)",
// "3x − 2 < -x + 8".
//
// Each side is its terms in the order of the form, the first in its leading
// rendering, every later one in its following rendering; the sides stand
// around the relation text with one blank on each side of it. With k the
// numerator text of a coefficient and d its denominator text:
//
//   term             leading          following
//   constant k       k                " + k", or " − " and the digits of a negative k
//   x, k = "1"       "x"              " + x"
//   x, k = "-1"      "-x"             " − x"
//   x, other k       "kx"             " + kx", or " − " and the digits of k, then "x"
//   x, 1/d (d ≠ 1)   "x/d", "x/(d)"   " + x/d", " + x/(d)"  (parentheses for a negative d)
//
// The minus between terms is U+2212 with a blank on each side; a minus that a
// number text carries itself is the hyphen-minus.

#include <string>
#include <string_view>
#include <vector>

#include "linear_problems/LinearProblemRecord.h"

namespace duolinear {

// The display text of the spaced form (letters, "x", "+" and one "?") whose
// letters, in the order they stand, have the given coefficients (a letter
// beyond them is written with an empty numerator text). relationSymbol is
// copied verbatim.
std::string linearProblemDisplayText(std::string_view spacedForm, const std::vector<CoefficientText>& coefficients,
                                     std::string_view relationSymbol);

}  // namespace duolinear
