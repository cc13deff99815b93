#pragma once
// Helpers shared by the side transforms: the never-an-empty-side rule and the
// join-and-split by which a transform works on both sides of an equation in
// one pass (so that a common factor is taken over both sides).

#include <cstddef>
#include <utility>
#include <vector>

#include "algebra/Equation.h"

namespace duolinear {

// The side made of the given terms, or [zero term] when there are none.
inline Polynomial sideOrZeroTerm(Monomials terms) {
    if (terms.empty()) return Polynomial{};
    return Polynomial(std::move(terms));
}

// LHS terms, then RHS terms.
inline Monomials joinedSides(const PolyEquation& equation) {
    Monomials terms = equation.LHS.terms;
    terms.insert(terms.end(), equation.RHS.terms.begin(), equation.RHS.terms.end());
    return terms;
}

// The inverse of joinedSides for a list of the same length: the first
// lhsCount terms and the rest, each side kept non-empty.
inline std::pair<Polynomial, Polynomial> splitSides(const Monomials& terms, std::size_t lhsCount) {
    const auto middle = terms.begin() + static_cast<std::ptrdiff_t>(lhsCount);
    return {sideOrZeroTerm({terms.begin(), middle}), sideOrZeroTerm({middle, terms.end()})};
}

}  // namespace duolinear
