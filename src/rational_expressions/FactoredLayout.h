#pragma once
// Layouts of factored polynomials and equations. A group is drawn as a chain
// of "+" and "−" joins in stored order; a term with factors is its coefficient
// set before the product of its bracketed groups, each raised to its exponent
// ("^" join) unless the exponent is 1; a bracket around the constant 1 (a
// group of the single term 1) is left out, as a coefficient 1 is, and a term
// left with no bracket is drawn as its monomial. The Style decides how a
// coefficient looks (see algebra/AlgebraLayouts.h); in rational_fraction and
// decimal the denominator of a bracket term's coefficient goes under the
// whole term.
// Every colour comes from the values; joins that set pieces side by side are
// black; every item carries the tag "anon".
//
// Drawing never fails and never recurses for ever: a factor whose pointer
// names no group, an empty group, or a group that is already being drawn
// (a cycle) is drawn as "unexpected error" inside its brackets, and so is
// every group once a generous budget of drawn groups is spent (groups that
// share sub-groups could otherwise grow the layout exponentially).

#include <cstddef>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The most groups one layout draws (counting repeats) before it gives up.
inline constexpr std::size_t kMaxDrawnGroups = 256;

// "unexpected error" when either side has no groups; otherwise the two root
// groups joined by the relation's symbol in the relation colour.
TagLayout xlEquationLayout(Style style, const Polynomial_Equation_XL& equation);

// The root group; "unexpected error" when there are no groups; an empty root
// group gives a layout without rows.
TagLayout xlRootLayout(Style style, const Polynomial_XL& polynomial);

// One group, descending into the groups its factors name. An index outside
// the polynomial draws "unexpected error"; an empty group gives no rows.
TagLayout xlPolynomialLayout(std::size_t groupIndex, Style style, const Polynomial_XL& polynomial);

// A coefficient piece. rational_fraction: the sign, the number (left out for
// ±1 times a power of the letter), the letter and its superscript power as
// separate messages, over the denominator when it is not 1; any other style:
// monomialLayout.
TagLayout xlCoefficientLayout(const Monomial& monomial, Style style);

}  // namespace duolinear
