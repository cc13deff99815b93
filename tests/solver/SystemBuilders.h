#pragma once
// Small builders for the solver tests: a system from six integers, and the
// text of a one-message line.

#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "layout/TagLayout.h"
#include "solver/DuolinearSystem.h"

#include <cstdint>
#include <string>

namespace duolinear::testing {

inline PolyEquation solverEquation(const Rational& a, const Rational& b, const Rational& c) {
    return PolyEquation{{Monomial{a, 1, 'x'}, Monomial{b, 1, 'y'}}, {Monomial{c, 0}}, Relation::equal_to};
}

inline Duolinear integerSystem(std::int64_t a1, std::int64_t b1, std::int64_t c1, std::int64_t a2, std::int64_t b2,
                               std::int64_t c2) {
    return Duolinear{{solverEquation(Rational{a1, 1}, Rational{b1, 1}, Rational{c1, 1}),
                      solverEquation(Rational{a2, 1}, Rational{b2, 1}, Rational{c2, 1})}};
}

// The text of a line that is a single message item; "" otherwise.
inline std::string messageText(const TagLayout& line) {
    if (line.size() == 4 && line[1].size() == 2 && line[1][0] == "message") return line[1][1];
    return "";
}

inline bool isBlankLine(const TagLayout& line) {
    return line.size() == 2 && line[1].size() == 1 && line[1][0] == "BLANK";
}

}  // namespace duolinear::testing
