#pragma once
// Short builders for the equations of the tests: xTerm(2) is 2x, constant(3, 4)
// is 3/4, equation({...}, {...}, Relation::less_than) is LHS < RHS; and the
// reading of an equation in the fraction style, "2x + 3 = 7".

#include <cstdint>
#include <string>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Equation.h"
#include "linear_steps/LayoutReading.h"

namespace duolinear::testing {

inline Monomial xTerm(std::int64_t numerator, std::int64_t denominator = 1, char letter = 'x') {
    return Monomial{Rational{numerator, denominator}, 1, letter};
}

inline Monomial constant(std::int64_t numerator, std::int64_t denominator = 1) {
    return Monomial{Rational{numerator, denominator}, 0};
}

inline PolyEquation equation(std::vector<Monomial> lhs, std::vector<Monomial> rhs,
                             Relation relation = Relation::equal_to) {
    return PolyEquation{Polynomial(std::move(lhs)), Polynomial(std::move(rhs)), relation};
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
