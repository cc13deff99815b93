#pragma once
// Rewrites of any one bracketed group of a product, not only of its focus
// group: a product part is a root of one term whose factors name groups,
// and a group of two or more terms without factors of their own can be
// sorted by descending power, have its −1 taken out, have its content (the
// gcd of its numerators over the lcm of its denominators, times its least
// power) taken out, or be factored by guess and check. Each rewrite takes
// the first factor of the root term whose group it applies to and answers
// [before, after]: before is the part with that group and its bracket in
// color; after has the bracket name new groups in color (appended before the
// root; the old group stays where it is, for any other name of it), raised
// to the bracket's power, and whatever the rewrite took out (−1, the
// content, the constant left by factoring) multiplied into the root's own
// monomial, which is then in color too. Every after picture has the value
// of the part.
//
// None when no group qualifies, the part is not well formed or a value does
// not fit 64 bits.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "algebra/FactoredPolynomial.h"
#include "layout/Enumerations.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

using GroupPictures = std::optional<std::array<Polynomial_XL, 2>>;

// A group whose powers ever increase from term to term, sorted.
GroupPictures groupSortedPictures(Color color, const Polynomial_XL& part);

// A group whose first coefficient is negative, negated; the root's
// coefficient times (−1)^power.
GroupPictures groupNegatedPictures(Color color, const Polynomial_XL& part);

// A group whose content c·v^e is not 1, divided by it; the root's monomial
// times (c·v^e)^power. A plain part P of content other than 1 gives
// [P, (P ÷ c·v^e) under the root c·v^e·(0)], wholly in color.
GroupPictures groupContentPictures(Color color, const Polynomial_XL& part);

// A group of degree 2 or more that guess and check factors: the bracket
// names the linear factors found and, when what is left is not a constant,
// that quotient; a constant left multiplies the root.
GroupPictures groupFactoredPictures(Color color, const Polynomial_XL& part);

// The bracket at position k of a product part's root term written as
// brackets naming groups instead, and takenOut multiplied into the root once
// per power of the bracket, in the pictures of the rewrites above; the
// caller answers for the value. None when k names no bracket of a product.
GroupPictures groupWrittenAs(Color color, const Polynomial_XL& part, std::size_t k,
                             const std::vector<TermGroup>& groups, const Monomial& takenOut);

// A product part with every group of a single term without factors that
// its root names, other than the constant 1 (which is not drawn),
// multiplied into the root's own monomial (a constant root
// takes the letter of the first power it absorbs) and its bracket dropped.
// None when there is none, the part is not well formed or a value does not
// fit.
std::optional<Polynomial_XL> oneTermGroupsAbsorbed(const Polynomial_XL& part);

}  // namespace duolinear
