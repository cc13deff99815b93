#pragma once
// The values of factored polynomials (Polynomial_XL, Term_XL, Factor and
// Polynomial_Equation_XL, held in algebra/FactoredPolynomial.h): their
// equality, their recolouring, where their focus group is, and the
// builder of a quadratic from three coefficients.
//
// Term equality is deliberately partial: two terms are equal when neither has
// factors and their monomials agree (coefficients by cross-multiplication,
// the same exponent and the same letter; colours ignored). A term with
// factors equals no term, not even itself, and an undefined coefficient
// (denominator 0) equals nothing, hence named functions rather than
// operator==.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Monomial.h"
#include "algebra/Rational.h"
#include "layout/Enumerations.h"

namespace duolinear {

using TermGroup = std::vector<Term_XL>;

// The monomials agree in value (cross-multiplication; false when either
// denominator is 0), exponent and letter (also for constants); colours ignored.
bool sameMonomial(const Monomial& a, const Monomial& b);
bool equals(const Term_XL& a, const Term_XL& b);
// Element by element by the rule above; lists of different lengths differ.
bool equals(const TermGroup& a, const TermGroup& b);

// Factor{pointer, exponent} with both colours set to color.
Factor factorRecolored(Color color, const Factor& factor);
// Coefficient colours, letter colour and every factor's colours set to color;
// values, exponents and pointers kept.
Term_XL termRecolored(Color color, const Term_XL& term);
Polynomial_XL recolorXLPolynomial(Color color, const Polynomial_XL& polynomial);
// Both sides recoloured and the relation colour set to color.
Polynomial_Equation_XL recolorXLEquation(Color color, const Polynomial_Equation_XL& equation);
// The value with its numerator, denominator and bar colours set to color.
Rational recolorRational(const Rational& rational, Color color);

// Every factor of every group names a group before its own, so that following
// pointers always ends. The operations that follow pointers answer none (or
// false) for a polynomial that breaks this.
bool pointersPointBack(const Polynomial_XL& polynomial);

// The group a factoring or extraction step works on: group 0 of a plain
// polynomial; otherwise the group named by the last factor of the root
// group's first term. None when that term or factor is missing or names no
// group before the root.
std::optional<std::size_t> focusGroupIndex(const Polynomial_XL& polynomial);

// The colours of the three terms of quadraticXLPolynomial: coefficient and
// letter of the a, b and c terms.
struct QuadraticColors {
    Color a_coefficient = Color::black;
    Color a_variable = Color::black;
    Color b_coefficient = Color::black;
    Color b_variable = Color::black;
    Color c_coefficient = Color::black;
    Color c_variable = Color::black;
};

// The kQuadraticDescending order puts a on x², b on x and c on x⁰; any other
// order text gives the ascending form a·x⁰ + b·x + c·x².
inline const std::string kQuadraticDescending = "➘";

// One group of three terms in the letter x, in the order a, b, c, each
// coefficient wholly in its coefficient colour.
Polynomial_XL quadraticXLPolynomial(const Rational& a, const Rational& b, const Rational& c, const std::string& order,
                                    const QuadraticColors& colors = {});

}  // namespace duolinear
