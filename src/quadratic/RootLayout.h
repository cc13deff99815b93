#pragma once
// One root a + b·√c of a quadratic as one drawable line piece, in one of the
// three coefficient styles. The quadratic methods set it after the letter and
// " = " in their lines of roots.
//
//   decimal            the "%.8g" text of the value, one message: the exact
//                      root rounded to eight significant digits (DecimalRoot.h)
//   fraction           a rational part and a surd term, each coefficient drawn
//                      as a number or a stacked fraction: 1 − √2, −½ + ½√3, −√5
//   rational_fraction  the whole root over one common denominator: (−1 + √3)/2
//
// Items made here are black with the tag "anon"; numbers drawn as fractions
// keep the colours stored in the root's a and b (black for roots made by
// quadraticRoots). A minus before a bare radical is the hyphen "-"; between
// two parts it is "−" (U+2212).

#include <optional>

#include "algebra/Options.h"
#include "algebra/QuadraticSolution.h"
#include "layout/TagLayout.h"

namespace duolinear {

// A layout for every root that quadraticRoots produces, in every style. No
// value only for a root outside that contract that the exact styles cannot
// draw: a zero denominator in a or b, or a common denominator, numerator or
// magnitude that does not fit 64 bits.
std::optional<TagLayout> rootLayout(const Quadratic_solution& root, Style style = Style::fraction);

}  // namespace duolinear
