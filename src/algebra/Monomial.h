#pragma once
// Monomial: a coefficient times a power of one letter, with the colour of the
// letter. A constant term (exponent 0) still carries a letter, normally 'x'.

#include <cstdint>
#include <vector>

#include "algebra/Rational.h"
#include "layout/Enumerations.h"
#include "layout/PooledStorage.h"

namespace duolinear {

// Built as Monomial{coefficient, exponent} (letter 'x', black letter),
// Monomial{coefficient, exponent, letter} or with all four fields. The
// default is the zero term: 0/1 with exponent 0 and letter 'x', all black.
struct Monomial {
    Rational coefficient{};
    std::uint64_t exponent = 0;
    char variable = 'x';
    Color variable_color = Color::black;
};

// A list of monomials, such as one side's terms. A working makes and drops
// these by the hundred, most of one or two terms, so their blocks are pooled.
using Monomials = std::vector<Monomial, PooledStorage<Monomial>>;

// The monomial with its coefficient's three colours and its letter's colour set to color.
Monomial recoloredMonomial(Color color, const Monomial& monomial);

// Coefficients equal by cross-multiplication, the same exponent and, unless the
// exponent is 0, the same letter; colours ignored. Inherits the zero-denominator
// behaviour of equals(Rational, Rational), so it is not an equivalence.
bool equals(const Monomial& a, const Monomial& b);

// Filters over a side. A term with denominator 0 is non-zero when its numerator is.
bool isNonzeroTerm(const Monomial& term);
bool isZeroTerm(const Monomial& term);
bool isSquareTerm(const Monomial& term);

}  // namespace duolinear
