#pragma once
// Short builders and readers for sides with bracketed groups, on top of
// EquationBuilders.h. A side is written as its list of groups:
// side({{x(1), c(3)}, {times(2, 0)}}) is 2(x + 3), group 0 being the
// bracket's content; ungrouped(m) is the monomial m multiplying no group. readGroups prints the same
// notation back: "[[x, 3], [2·(0)]]", a coefficient n/d as "n/d", red terms
// (any colour of the term red) starred: "*2x*".

#include <cstdint>
#include <string>
#include <vector>

#include "algebra/Term.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "support/EquationBuilders.h"
#include "support/LayoutReading.h"

namespace duolinear::testing {

inline Term ungrouped(Monomial monomial) {
    return Term{std::move(monomial), SubExpression{}};
}
inline Term x(std::int64_t n, std::int64_t d = 1) {
    return ungrouped(xTerm(n, d));
}
inline Term c(std::int64_t n, std::int64_t d = 1) {
    return ungrouped(constant(n, d));
}
// n/d times the group at that position.
inline Term times(std::int64_t n, std::uint64_t group, std::int64_t d = 1) {
    Term t = c(n, d);
    t.sub_exp = SubExpression{true, group};
    return t;
}

inline Ext_polynomial side(ExtGroups groups) {
    return Ext_polynomial{std::move(groups)};
}
inline Ext_polyEquation extEquation(Ext_polynomial lhs, Ext_polynomial rhs, Relation relation = Relation::equal_to) {
    return Ext_polyEquation{std::move(lhs), std::move(rhs), relation};
}

inline bool isRed(const Term& t) {
    const Rational& r = t.monomial.coefficient;
    for (Color color : {r.numerator_color, r.denominator_color, r.bar_color, t.monomial.variable_color,
                        t.sub_exp_parenthesis_color}) {
        if (color == Color::red) return true;
    }
    return false;
}

inline std::string readTerm(const Term& t) {
    const Monomial& m = t.monomial;
    const Rational& r = m.coefficient;
    std::string text = std::to_string(r.numerator);
    if (r.denominator != 1) text += "/" + std::to_string(r.denominator);
    if (m.exponent > 0) {
        if (text == "1") text.clear();
        if (text == "-1") text = "-";
        text += std::string(1, m.variable) + (m.exponent > 1 ? "^" + std::to_string(m.exponent) : "");
    }
    if (t.sub_exp.multiplies) text += "·(" + std::to_string(t.sub_exp.index) + ")";
    return isRed(t) ? "*" + text + "*" : text;
}

inline std::string readGroups(const Ext_polynomial& s) {
    std::string out = "[";
    for (std::size_t g = 0; g < s.terms.size(); ++g) {
        out += g ? ", [" : "[";
        for (std::size_t i = 0; i < s.terms[g].size(); ++i) out += (i ? ", " : "") + readTerm(s.terms[g][i]);
        out += "]";
    }
    return out + "]";
}

inline std::string readGroups(const Ext_polyEquation& e) {
    return readGroups(e.LHS) + " " + rawValue(e.relation) + " " + readGroups(e.RHS);
}

// The equation as drawn, red items starred.
inline std::string readExt(const Ext_polyEquation& e, Style style = Style::fraction, bool marks = true) {
    return readLayout(extEquationLayout(style, e), marks);
}

}  // namespace duolinear::testing
