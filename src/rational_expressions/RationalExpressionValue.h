#pragma once
// Rational_Expression: a quotient of two factored polynomials, poly_N over
// poly_D, with the colour of its fraction bar; its layout as a built-up
// fraction, and the rewrites that turn one expression into one other. A
// zero denominator is not rejected: the value may be undefined.
//
// A part is well formed when it has at least one group, none of its groups
// is empty and every factor names a group before its own. The operations on
// expressions (here and in the files beside this one) answer none, false or
// "not final" for a part that is not, rather than read past its end.

#include <cstdint>
#include <optional>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Outcome.h"
#include "layout/Enumerations.h"
#include "layout/TagLayout.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

// Built as Rational_Expression{} (0 over 1), Rational_Expression{N, D}
// (black bar) or with all three fields. The default parts are the one-term
// groups 0/1·x⁰ and 1/1·x⁰, black, without factors.
struct Rational_Expression {
    Polynomial_XL poly_N{{{Term_XL{Monomial{Rational{0, 1}, 0}, {}}}}};
    Polynomial_XL poly_D{{{Term_XL{Monomial{Rational{1, 1}, 0}, {}}}}};
    Color color = Color::black;
};

bool isWellFormedPart(const Polynomial_XL& part);

// The same value and power, and the same letter unless both are constants:
// a constant's letter is never drawn, and constants made by the rewrites
// carry the letter x whatever the expression's letter. False for an
// undefined coefficient. Terms are alike when neither has factors and their
// monomials are.
bool sameMonomialValue(const Monomial& a, const Monomial& b);
bool alike(const TermGroup& a, const TermGroup& b);

// The numerator's root group alone (style rational_fraction) when the
// denominator is the constant 1 and forceFraction is false; otherwise both
// root groups joined by "/" in the expression's colour. A part without
// groups, or whose root group is empty, is drawn as "unexpected error".
TagLayout rationalExpressionTags(const Rational_Expression& expression, bool forceFraction);

// Both parts wholly in color, and the bar too.
Rational_Expression recolored(const Rational_Expression& expression, Color color);
// The numerator wholly in numeratorColor, the denominator in
// denominatorColor; the bar keeps its colour.
Rational_Expression recolored(const Rational_Expression& expression, Color numeratorColor, Color denominatorColor);

// Both parts with their zero terms removed (zeroTermsRemoved without
// recolouring), black bar. None when a part cannot be rewritten (no first
// term, a pointer that does not point back).
std::optional<Rational_Expression> zeroTermsRemoved(const Rational_Expression& expression);

// monomialFactorsAbsorbed with negate applied to the numerator, then to the
// denominator; a part whose rewrite has nothing to do is passed on as it is.
// Nothing when neither part changes; a failure when either rewrite fails
// (64-bit overflow, a malformed part). The result has a black bar.
Outcome<Rational_Expression> transformBothParts(bool negate, const Rational_Expression& expression);

}  // namespace duolinear
