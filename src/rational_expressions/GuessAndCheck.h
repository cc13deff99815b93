#pragma once
// Guess-and-check factoring: a plain polynomial with integer coefficients is
// split into linear factors p·v + s (p > 0) by trying the rational roots ±q/p
// with p dividing the leading and q the constant coefficient, and a factored
// polynomial's focus group is shown before and after it is factored. A group
// with fractions is searched as its whole-number multiple (every coefficient
// times the least common multiple L of the denominators); the factors found
// are over 1 and the last quotient is divided by L again, so that the
// product always has the group's value.
//
// The searches answer nothing when no root is found and fail (no value,
// failed set) when the polynomial cannot be searched (no degree, a leading
// coefficient that is not positive, an undefined coefficient, a value that
// does not fit 64 bits) or when no candidate has the root but some could not
// be tried because its trial did not fit. The pictures answer none rather
// than a picture whose value differs from the polynomial.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Outcome.h"
#include "layout/Enumerations.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

// The method name for which quadraticFactorPictures leaves the factors in
// the order they were found.
inline const std::string kGuessAndCheck = "guess and check";

// The highest degree that dividedByLinearFactor divides (it keeps one digit
// per power).
inline constexpr std::uint64_t kMaxDivisionDegree = 4096;

// Synthetic division of the first group of dividend by the linear factor
// a·v + b (its first and last terms): the quotient, highest power first,
// zero digits left out, the remainder dropped. Like powers of the dividend
// are added. None when the dividend has no degree or one above
// kMaxDivisionDegree, a coefficient of it that is not whole, a is 0, or on
// overflow.
std::optional<Polynomial_XL> dividedByLinearFactor(const Polynomial_XL& divisor, const Polynomial_XL& dividend);

// The first factor found: smaller p first, then smaller q, the root −q/p
// before q/p; [p·v, q] for the root −q/p (see RootSearch.h, which bounds the
// work). The leading and constant coefficients are those of the first group
// (cleared of fractions) summed by power, the constant being that of the
// lowest power (the root 0 is not sought, and a last term 0 finds nothing):
// a leading one that is not positive fails. A root is tried by synthetic division,
// which stays within 64 bits far longer than the value of the polynomial at
// the root would.
Outcome<Polynomial_XL> linearFactor(const Polynomial_XL& polynomial);

// Linear factors found one after another, the quotient divided down each
// time, and the last quotient (what no factor could be found for, or the
// constant left when every degree gave a factor) at the end: 6x² + 7x + 2
// gives [2x + 1, 3x + 2, 1], x²/2 − 1/2 gives [x + 1, x − 1, 1/2]. Nothing
// when the degree is below 2, the first group is a single term or no factor
// is found at all; a failure when the first search fails (a later failed
// search ends the chain like one that finds nothing).
Outcome<std::vector<Polynomial_XL>> linearFactors(const Polynomial_XL& polynomial);

// The focus group has at least two terms, begins with a power above 1, and
// linearFactor finds a factor of it.
bool canFactorFocusGroup(const Polynomial_XL& polynomial);

// [before, after]: before is the polynomial with its focus group (and the
// bracket naming it) in color; after has the focus group replaced by its
// linear factors and the quotient left, each a new group in color, raised
// to the power the focus group had. The root's coefficient is kept, the
// other factors keep their groups and powers and are black. For a plain
// polynomial after is 1·(f₁)(f₂)…(rest). None when the focus group does not
// factor, a pointer does not name an earlier group, or a factored root has
// more than one term.
std::optional<std::array<Polynomial_XL, 2>> factorFocusGroupPictures(Color color, const Polynomial_XL& polynomial);

// The pictures of factorFocusGroupPictures. For a method other than
// kGuessAndCheck the first two groups of the after picture, a·x + b and
// c·x + d, are exchanged unless gcd(ac, max(|ad|, |bc|)) = |a| and
// gcd(bd, min(|ad|, |bc|)) = |b|: the order in which splitting the middle
// term groups as a·x(c·x + d) + b(c·x + d). The factors naming them keep
// pointing at groups 0 and 1 (their powers and colours exchanged with them).
// None also when those two groups are not both of at least two terms.
std::optional<std::array<Polynomial_XL, 2>> quadraticFactorPictures(Color color, const std::string& method,
                                                                    const Polynomial_XL& polynomial);

// At least three groups, the first coefficient of the root group negative,
// and of the second coefficients of groups 0 and 1 exactly one negative.
// False when a term is missing or a tested coefficient is undefined.
bool canAbsorbLeadingMinus(const Polynomial_XL& polynomial);

}  // namespace duolinear
