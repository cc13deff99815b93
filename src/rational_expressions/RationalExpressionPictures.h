#pragma once
// The picture rewrites of a rational expression: each rewrites whichever of
// its parts needs it and returns [before, after], with a changed numerator
// in red and a changed denominator in blue, while a part that needs nothing
// stands unchanged (not recoloured) in both pictures. Both pictures have a
// black bar.
//
// A plain part is rewritten as a whole and a product by its focus group; a
// product whose focus group the rewrite cannot take has its first group that
// the rewrite of GroupRewrites.h takes rewritten instead, so that every
// bracket of a product is sorted, signed, cleared of its content and
// factored in turn. A part counts only when a rewrite gives pictures; when
// neither part counts the answer is none. None also when either part is not
// well formed.

#include <array>
#include <optional>

#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

using ExpressionPictures = std::array<Rational_Expression, 2>;

// A part with a term whose coefficient is 0 (zeroTermsRemoved changes it):
// before and after wholly in the part's colour, the zero terms dropped, and
// a group left empty the constant 0.
std::optional<ExpressionPictures> zeroTermPictures(const Rational_Expression& expression);

// A part that is not a sorted plain polynomial, sorted by descending power:
// before and after wholly in the part's colour; else a bracket so sorted.
std::optional<ExpressionPictures> sortedPictures(const Rational_Expression& expression);

// factorFocusGroupPictures of each part whose focus group can be factored;
// else a bracket factored.
std::optional<ExpressionPictures> factorPictures(const Rational_Expression& expression);

// commonFactorPictures (without negating the leading coefficient) of each
// part that has a common monomial factor; else the content of a plain part
// or of a bracket taken out (fractions included: x/2 + 1 is (1/2)(x + 2)).
std::optional<ExpressionPictures> commonFactorPictures(const Rational_Expression& expression);

// (−1)(−P) for a plain part P whose leading numerator is negative and which
// is not the constant −1: before and after wholly in the part's colour; else
// a bracket whose first coefficient is negative negated, its −1 taken out.
std::optional<ExpressionPictures> negativeOnePictures(const Rational_Expression& expression);

}  // namespace duolinear
