#pragma once
// Splitting a common monomial out of numerator and denominator: when each
// part is one product holding a monomial (a one-term factor group such as
// (6x²), or the product's own coefficient) and the two monomials share an
// integer factor or a power of their letter, each is rewritten as the common
// monomial g·v^m times what is left, so that the equal factors can be
// cancelled next. Builds values only.

#include <cstdint>
#include <optional>

#include "algebra/FactoredPolynomial.h"
#include "layout/Enumerations.h"
#include "rational_expressions/RationalExpressionPictures.h"

namespace duolinear {

// Where the monomial of a product stands.
struct MonomialLocation {
    std::uint64_t group = 0;      // the group whose first term is the monomial
    std::uint64_t root = 0;       // the root group's index for a factor group; 0 otherwise
    std::uint64_t offset = 0;     // the root term's factor naming that group; 0 otherwise
    bool ownCoefficient = false;  // the monomial is the root term's own
};

// The part with the monomial k·v^e of group i (first term) written as
// (g·v^m)(k/g·v^(e−m)), both new pieces wholly in color, in the monomial's
// own letter v. When i is the root group (the root's own coefficient) the
// root becomes g·v^m·(quotient)·F1·F2…, every other group moving up one
// place. When i is a factor group the part must be laid out as
// 1·(F0)(monomial)(F2)…: i is 1, the root term is 1 (power 0) and its first
// two factors name groups 0 and 1, each to the power 1; it becomes
// 1·(F0)(g·v^m)(quotient)(F2)…. None for any other layout (it would drop a
// group), for g = 0, e < m, a part that is not well formed or on overflow.
std::optional<Polynomial_XL> splitOffMonomial(const Polynomial_XL& part, std::uint64_t i, std::int64_t g,
                                              std::uint64_t m, Color color);

// When both roots are one term, both parts have a monomial location, the two
// monomials differ and share something (g, the gcd of their numerators, is
// not 1, or both powers are at least 1): before has each monomial (and the
// bracket naming a factor group) in red over blue; after has each monomial
// split into (g·v^m)(rest) with m the smaller power, or kept whole where it
// is g·v^m already. None otherwise, also where a split does not apply.
std::optional<ExpressionPictures> splitCommonMonomialPictures(const Rational_Expression& expression);

}  // namespace duolinear
