#pragma once
// The layouts of algebra values: a number, a term, a side, an equation and an
// equation shown multiplied through by a whole number. The Style decides how a
// coefficient looks:
//   fraction           a stacked fraction in front of the letter ("signed_rational" item)
//   rational_fraction  numerator and letter over the denominator (a "/" join)
//   decimal            the "%.8g" text of the value
// Every piece is drawn in the colour stored in the value, so a caller marks a
// part by recolouring the value first; pieces that belong to no value (the
// joins between coefficient and letter, the brackets of a cleared equation)
// are black. Every item carries the tag "anon". The operations never fail: a
// zero denominator is drawn (0 under the bar, or inf / nan in decimal).

#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "algebra/Polynomial.h"
#include "algebra/Rational.h"
#include "layout/LayoutWriter.h"
#include "layout/TagLayout.h"

namespace duolinear {

// A number: decimal text in `decimal`; otherwise a whole number (denominator
// 1) is a plain message unless alwaysFraction asks for n over 1.
TagLayout rationalLayout(const Rational& value, bool alwaysFraction = false, Style style = Style::rational_fraction);

// A term c·v^e: the exponent is written as a superscript digit after the
// letter ("..." for 10 and more); a constant term (e = 0) is its number alone.
TagLayout monomialLayout(const Monomial& term, Style style = Style::rational_fraction);

// A side: a left-leaning chain of "+" and "−" joins in stored order; a later
// term shows the magnitude of its numerator behind its operator, which takes
// the colour of that numerator. An empty side is drawn as the zero term.
TagLayout polynomialLayout(const Polynomial& side, Style style);

// LHS and RHS joined by the relation symbol in the equation's relation colour.
TagLayout equationLayout(const PolyEquation& equation, Style style = Style::rational_fraction);

// f(LHS) relation f(RHS): the factor in its colour next to each bracketed
// side; brackets, joins and the relation are black.
TagLayout clearedEquationLayout(const PolyEquationClear& cleared, Style style);
// The same from the parts, without making the PolyEquationClear.
TagLayout clearedEquationLayout(std::int64_t factor, Color factorColor, const PolyEquation& equation, Style style);

// The same items written into a layout in progress (layout/LayoutWriter.h),
// for a producer that sets them among items of its own; each gives its root.
LayoutWriter::Item writeRational(LayoutWriter& writer, const Rational& value, bool alwaysFraction, Style style);
LayoutWriter::Item writeMonomial(LayoutWriter& writer, const Monomial& term, Style style);
LayoutWriter::Item writePolynomial(LayoutWriter& writer, const Polynomial& side, Style style);
LayoutWriter::Item writeEquation(LayoutWriter& writer, const PolyEquation& equation, Style style);

}  // namespace duolinear
