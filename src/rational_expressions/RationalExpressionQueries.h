#pragma once
// Questions asked of a rational expression: each asks the matching question
// of its numerator and denominator (see FactoredQueries.h, GuessAndCheck.h
// and FactorExtraction.h). A question about either part asks the numerator
// first and the denominator only when the numerator answers false;
// isSortedPlain asks the denominator only when the numerator answers true.

#include <cstdint>

#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

// The numerator is the constant k/1·x⁰ and the denominator the constant 1;
// nothing is reduced, so 10 over 2 is not the constant 5.
bool isConstant(std::int64_t k, const Rational_Expression& expression);

// Some coefficient of either part has denominator 0.
bool hasZeroDenominator(const Rational_Expression& expression);

// Both parts are plain polynomials in descending order of powers.
bool isSortedPlain(const Rational_Expression& expression);

// Either part's focus group can be factored by guess and check.
bool canFactorFocusGroup(const Rational_Expression& expression);

// Either part's focus group has a common monomial factor.
bool hasCommonMonomialFactor(const Rational_Expression& expression);

// The first term of either part's group 0 has a negative numerator. For a
// factored part group 0 is its first bracketed group, not the whole.
bool hasNegativeLeadingCoefficient(const Rational_Expression& expression);

}  // namespace duolinear
