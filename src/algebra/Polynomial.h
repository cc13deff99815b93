#pragma once
// Polynomial: one side of an equation, the sum of its terms in stored order.
// A side travels either as a Polynomial or as its bare list of monomials; the
// two convert into each other freely (a Polynomial is nothing but its list).

#include <initializer_list>
#include <utility>
#include <vector>

#include "algebra/Monomial.h"

namespace duolinear {

struct Polynomial {
    Monomials terms;

    // The single zero term.
    Polynomial() : terms(1) {}
    // Exactly the given terms, in order; an empty list gives an empty side.
    Polynomial(Monomials list) : terms(std::move(list)) {}
    Polynomial(std::initializer_list<Monomial> list) : terms(list) {}
};

// The same number of terms and equals() at every position, in order: nothing
// is reordered or combined (x + 1 differs from 1 + x). Colours ignored.
bool equals(const Polynomial& a, const Polynomial& b);

// Whether the side reads x (or -x with negative): one term, exponent 1,
// coefficient 1/1 (or -1/1). The letter is not looked at.
bool isBareVariable(bool negative, const Monomials& side);

// Whether the side is one constant term with a non-zero denominator; with
// reduced, also in lowest terms with a positive denominator.
bool isSingleConstant(bool reduced, const Monomials& side);

}  // namespace duolinear
