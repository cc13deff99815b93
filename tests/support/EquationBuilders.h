#pragma once
// The one vocabulary in which tests build equations, and the reading of an
// equation as drawn in the fraction style ("2x + 3 = 7").
//   term(5, 2, 1)            5/2·x (exponent 1); term(3, 1, 0, 'y') the constant 3
//   xTerm(2), xTerm(1, 2, 'y') 2x, 1/2·y
//   constant(3, 4)           3/4
//   equation({..}, {..}, r)  LHS r RHS (= by default)
//   row(a, b, c)             a·x + b·y = c with both letters present, as the
//                            two-equation solver takes an equation

#include <cstdint>
#include <string>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Equation.h"
#include "support/LayoutReading.h"

namespace duolinear::testing {

inline Monomial term(std::int64_t numerator, std::int64_t denominator, std::uint64_t exponent, char letter = 'x') {
    return Monomial{Rational{numerator, denominator}, exponent, letter};
}

inline Monomial xTerm(std::int64_t numerator, std::int64_t denominator = 1, char letter = 'x') {
    return term(numerator, denominator, 1, letter);
}

inline Monomial constant(std::int64_t numerator, std::int64_t denominator = 1) {
    return term(numerator, denominator, 0);
}

inline PolyEquation equation(Monomials lhs, Monomials rhs,
                             Relation relation = Relation::equal_to) {
    return PolyEquation{Polynomial(std::move(lhs)), Polynomial(std::move(rhs)), relation};
}

inline PolyEquation row(std::int64_t a, std::int64_t b, std::int64_t c) {
    return equation({xTerm(a), xTerm(b, 1, 'y')}, {constant(c)});
}

inline std::string readEquation(const PolyEquation& e, bool marks = false) {
    return readLayout(equationLayout(e, Style::fraction), marks);
}

inline std::vector<std::string> readEquations(const std::vector<PolyEquation>& list, bool marks = false) {
    std::vector<std::string> out;
    for (const PolyEquation& e : list) out.push_back(readEquation(e, marks));
    return out;
}

}  // namespace duolinear::testing
