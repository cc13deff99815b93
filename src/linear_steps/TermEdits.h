#pragma once
// Small edits on the terms of one side that the moving steps share: finding
// the first variable or constant term, marking a term in red, negating it,
// and taking a term out of a side or putting one in.

#include <cstddef>
#include <optional>
#include <vector>

#include "algebra/Monomial.h"
#include "algebra/Polynomial.h"

namespace duolinear {

using Terms = Monomials;

// The position of the first term of exponent 1 (of exponent 0); the side's
// length when there is none.
std::size_t firstVariableTermIndex(const Terms& side);
std::size_t firstConstantTermIndex(const Terms& side);
bool holdsVariableTerm(const Terms& side);
bool holdsConstantTerm(const Terms& side);

// With highlight, the coefficient's numerator, denominator and bar red, and
// with withLetter also the letter; without highlight the term unchanged.
Monomial markedTerm(const Monomial& term, bool highlight, bool withLetter);
Terms withMarkedTerm(const Terms& side, std::size_t index, bool highlight, bool withLetter);

// The term with its numerator negated (denominator, exponent, letter and
// colours kept); no value for the least 64-bit numerator.
std::optional<Monomial> negatedNumeratorTerm(const Monomial& term);

// The side without the term at index; [zero term] when nothing is left.
Terms withoutTerm(const Terms& side, std::size_t index);
// The side with term put directly after position index (appended when index
// is the last position or past the end).
Terms withTermAfter(const Terms& side, std::size_t index, const Monomial& term);

}  // namespace duolinear
