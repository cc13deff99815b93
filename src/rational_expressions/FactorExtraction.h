#pragma once
// Taking something out of one bracketed group of a factored polynomial: the
// greatest common monomial factor g·v^e of a group (g the gcd of its
// numerators, e its least power), and a leading minus moved into a factor.
// Each operation answers a question or builds the pictures of the rewrite,
// the first showing the polynomial before and the next after, with the
// changed pieces in a highlight colour. Coefficients rebuilt here are the
// numerators over 1.
//
// A picture is never wrong: where the rewrite does not apply, the input
// breaks its shape (a missing group or term, a pointer that does not name an
// earlier group, an undefined coefficient where a sign is read) or a value
// would not fit 64 bits, the answer is none (or false).

#include <array>
#include <optional>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Monomial.h"
#include "layout/Enumerations.h"

namespace duolinear {

// The focus group has at least two terms, and g > 1 or e ≠ 0 over it (the
// signs play no part). A gcd of 2^63 answers false.
bool hasCommonMonomialFactor(const Polynomial_XL& polynomial);

// Over group 0 (not the focus group), of at least two terms: (s·g)/1·v^e with
// s the sign of the first numerator and v its letter, black; nothing when
// s·g is 1 and e is 0. So −x + 1 gives −1.
std::optional<Monomial> commonMonomialFactor(const Polynomial_XL& polynomial);

// [before, after] of taking g·v^e out of the focus group F; every term of F
// divided keeps its denominator and letter, its power lowered by e.
// A plain polynomial: before is P in color, after is (F ÷ g·v^e) under the
// root g·v^e·(0), all in color; with negateLeading and a negative first
// numerator g is taken negative. A polynomial of several groups must be −F:
// a one-term root of power 0 whose factors are all of power 1, the last
// naming F and the others constant one-term groups, the constants and the
// root's coefficient multiplying to −1. Then before is the polynomial as
// it stands (−(F) is not redrawn as (−1)(F)) with F and its bracket in
// color, and after is (−1)(g·v^e)(F ÷ g·v^e) with all but
// the −1 in color. None when g is 0 (every numerator 0), F's terms have
// factors, or the shape does not hold.
std::optional<std::array<Polynomial_XL, 2>> commonFactorPictures(bool negateLeading, Color color,
                                                                 const Polynomial_XL& polynomial);

// When canAbsorbLeadingMinus holds: the factor C (group 0 when its constant is
// negative, else group 1) alone; its two terms exchanged; and −(−b − a·v)
// for C = a·v + b, as [[−b, −a·v], [−1·(0)]], black. None unless C is a
// linear binomial a·v + b with coefficients over 1 and no factors.
std::optional<std::array<Polynomial_XL, 3>> negationPictures(const Polynomial_XL& polynomial);

// When canAbsorbLeadingMinus holds for −k·v^m·(a0·v + b0)(a1·v + b1), three
// groups: the factor whose constant is negative negated, the leading minus
// gone, both factors written constant first: k·v^m·(b0 + a0·v)(−b1 − a1·v)
// (or the mirror case), every monomial and both brackets in color. None
// unless the polynomial is exactly that: three groups, groups 0 and 1 linear
// binomials over 1 without factors, the root one term over 1 naming groups
// 0 and 1 in that order, each to the power 1.
std::optional<Polynomial_XL> leadingMinusAbsorbed(Color color, const Polynomial_XL& polynomial);

}  // namespace duolinear
