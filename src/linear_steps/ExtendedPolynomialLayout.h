#pragma once
// Layouts of sides and equations whose terms may multiply bracketed groups.
// Drawing starts at a side's top-level (last) group and descends into every
// group that a bracket term multiplies, so dead groups are never drawn. The
// Style decides how a coefficient looks (see AlgebraLayouts.h); in
// rational_fraction and decimal a bracket's multiplier is drawn without its
// denominator, which goes under the whole product. Every colour comes from
// the terms; the joins that set a multiplier next to its bracket are black.

#include <cstddef>

#include "algebra/Options.h"
#include "algebra/Term.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The group at that position, recursively through its bracket terms; a group
// without terms gives an empty layout (no rows). A position outside the side,
// or a bracket naming a group that is not before its own, is drawn as the
// message "unexpected error".
TagLayout extPolynomialLayout(std::size_t group, Style style, const Ext_polynomial& side);

// One term's monomial: monomialLayout in fraction and decimal; in
// rational_fraction the sign, the number, the letter and the power as
// separate messages set side by side, over the denominator when it is not 1.
TagLayout termMonomialLayout(const Term& term, Style style);

// Whether the style writes the term's coefficient as a decimal: decimal does
// for every coefficient but a bracket's multiplier that is not whole, whose
// denominator goes under the whole product, below a fraction bar.
bool coefficientDrawnAsDecimal(const Term& term, Style style);

// The two sides, each from its last group, joined by the relation in the
// equation's relation colour; "unexpected error" when a side has no group.
TagLayout extEquationLayout(Style style, const Ext_polyEquation& equation);

}  // namespace duolinear
