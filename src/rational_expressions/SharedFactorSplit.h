#pragma once
// Writing out a factor that numerator and denominator share by value but
// that no other step shows: one with no rational root, such as x² + 1 in
// (x⁴ + 3x² + 2)/(x² + 1). The greatest common divisor G over the rationals
// of a factor of each part (see SharedFactors.h), made whole with a positive
// leading coefficient and no common divisor, is written out of both: each
// factor becomes the bracket (G) times its quotient, found by exact
// division, so that the brackets are alike and the cancelling of common
// factors takes them next. A pair is written out only when that cancelling
// can take it (its products fit 64 bits): otherwise nothing would ever
// change but the number of brackets. Builds values only.

#include <optional>

#include "rational_expressions/RationalExpressionPictures.h"

namespace duolinear {

// [before, after] for the first factor of the numerator (in the order of
// valueFactors) that shares a factor with a power of the letter with a
// factor of the denominator, the first such: before has each of the two
// factors (and the bracket naming it) in red over blue; after has it
// written as (G)(quotient), the new brackets in the same colours and to the
// power of the old, a constant quotient multiplying the root instead. A
// plain part, or a root of several terms, is written 1·(G)(quotient) over
// its other groups. Only brackets and whole roots are written out, never a
// root's own monomial. None when nothing is shared so, a part is not well
// formed or is 0, or a value does not fit 64 bits, here or in the
// cancelling that follows.
std::optional<ExpressionPictures> sharedFactorPictures(const Rational_Expression& expression);

}  // namespace duolinear
