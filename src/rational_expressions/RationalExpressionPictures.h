#pragma once
// The picture rewrites of a rational expression: each rewrites whichever of
// its parts needs it and returns [before, after], with a changed numerator
// in red and a changed denominator in blue, while a part that needs nothing
// stands unchanged (not recoloured) in both pictures. Both pictures have a
// black bar.
//
// A part counts only when its own rewrite gives pictures: where a question
// answers true for a part that the rewrite cannot take (a factored part that
// sortedDescending or negativeOneFactoredOut would flatten, a focus group
// whose numerators are all 0), that part is passed on unchanged, and when
// neither part counts the answer is none. None also when either part is not
// well formed.

#include <array>
#include <optional>

#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

using ExpressionPictures = std::array<Rational_Expression, 2>;

// A part that is not a sorted plain polynomial, sorted by descending power:
// before and after wholly in the part's colour.
std::optional<ExpressionPictures> sortedPictures(const Rational_Expression& expression);

// factorFocusGroupPictures of each part whose focus group can be factored.
std::optional<ExpressionPictures> factorPictures(const Rational_Expression& expression);

// commonFactorPictures (without negating the leading coefficient) of each
// part that has a common monomial factor.
std::optional<ExpressionPictures> commonFactorPictures(const Rational_Expression& expression);

// (−1)(−P) for a plain part P whose leading numerator is negative and which
// is not the constant −1: before and after wholly in the part's colour.
std::optional<ExpressionPictures> negativeOnePictures(const Rational_Expression& expression);

}  // namespace duolinear
