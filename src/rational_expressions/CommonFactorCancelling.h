#pragma once
// Cancelling the factors that numerator and denominator have in common.
// The factors of a part are what multiplies the whole of it: for a root of
// one term, its own monomial (unless it is the constant 1) and each group
// its factors name, raised to the sum of their powers; for a root of
// several terms without factors, the root group itself. A group whose
// terms carry factors of their own, and a group that only a sum refers to
// or that nothing refers to, is never cancelled: the picture would change
// the value.
//
// Factors match when their groups hold alike terms at equal positions
// (another term order does not match; constants match whatever their
// letter). The numerator's factors are taken in
// the order of their groups, each matched against the denominator's in the
// same order, and the smaller power of a matched pair is cancelled from
// both: (x + 1)²/(x + 1) leaves (x + 1)/1. A factor worth 0 (0, 1 − 1) is
// never cancelled: 0/0 has no value, and 1 would give it one.

#include <optional>

#include "rational_expressions/RationalExpressionPictures.h"

namespace duolinear {

// Numerator and denominator have a factor in common.
bool sharesFactor(const Rational_Expression& expression);

// [before, after]. Before has the cancelled groups and the brackets naming
// them in red over blue (a cancelled root monomial or root group in the
// same colours); after has the references gone, or their powers lowered by
// what cancelled, a cancelled root monomial replaced by 1 and a cancelled
// root group of several terms by the constant 1, tidied by
// transformBothParts (negating both parts when the denominator is then −1,
// or 1 times a group −1). When nothing is shared: [the expression, its
// tidied form], and when that changes nothing [the expression, its parts
// with every one-term group absorbed into the root (oneTermGroupsAbsorbed)],
// or none when neither changes anything. Both pictures have a
// black bar, except an untouched before picture. None when a part is not
// well formed or tidying fails.
std::optional<ExpressionPictures> cancellationPictures(const Rational_Expression& expression);

}  // namespace duolinear
