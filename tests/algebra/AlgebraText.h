#pragma once
// Compact texts of algebra values and layouts for the algebra tests.
//   term    "5/2x", "-1/3y^2", "3/1"; a constant shows a letter other than x: "9/1[y]"
//   side    terms joined by " + "; equation "LHS = RHS" with the relation's text
//   colours numerator,denominator,bar|letter per term
//   tree    'text' message, [-3/4] signed rational, (left op right) join,
//           op[child] unary; a colour other than black follows as @colour

#include <optional>
#include <string>

#include "algebra/Algebra.h"
#include "support/EquationBuilders.h"

namespace duolinear::testing {

inline std::string text(const Rational& r) {
    return std::to_string(r.numerator) + "/" + std::to_string(r.denominator);
}

inline std::string text(const Monomial& t) {
    const std::string c = text(t.coefficient);
    if (t.exponent == 0) return t.variable == 'x' ? c : c + "[" + t.variable + "]";
    return c + t.variable + (t.exponent > 1 ? "^" + std::to_string(t.exponent) : "");
}

inline std::string text(const Polynomial& side) {
    std::string out;
    for (const Monomial& t : side.terms) out += (out.empty() ? "" : " + ") + text(t);
    return out.empty() ? "(empty)" : out;
}

inline std::string text(const PolyEquation& e) {
    return text(e.LHS) + " " + rawValue(e.relation) + " " + text(e.RHS);
}

template <typename T>
std::string text(const std::optional<T>& value) {
    return value ? text(*value) : "none";
}

inline std::string colors(const Polynomial& side) {
    std::string out;
    for (const Monomial& t : side.terms) {
        const Rational& c = t.coefficient;
        out += (out.empty() ? "" : " ") + rawValue(c.numerator_color) + "," + rawValue(c.denominator_color) + "," +
               rawValue(c.bar_color) + "|" + rawValue(t.variable_color);
    }
    return out;
}

inline std::string tree(const TagLayout& layout, std::size_t i = 0) {
    auto at = [&](std::size_t row, std::size_t col) -> std::string {
        return row < layout.size() && col < layout[row].size() ? std::string(layout[row][col]) : "?";
    };
    auto tint = [&](std::size_t row, std::size_t col) { return at(row, col) == "black" ? "" : "@" + at(row, col); };
    auto child = [&](std::size_t row, std::size_t col) { return tree(layout, std::stoul(at(row, col))); };
    if (i == 0) return child(0, 1);
    const std::string kind = at(i, 0);
    if (kind == "message") return "'" + at(i, 1) + "'" + tint(i + 1, 1);
    if (kind == "signed_rational") {
        return "[" + at(i, 1) + at(i, 2) + "/" + at(i, 3) + "]" + tint(i + 1, 1) + tint(i + 1, 2) + tint(i + 1, 3) +
               tint(i + 1, 4);
    }
    if (kind == "join") return "(" + child(i + 1, 1) + " " + at(i, 1) + tint(i + 2, 1) + " " + child(i + 1, 2) + ")";
    if (kind == "unary") return at(i, 1) + tint(i + 2, 1) + "[" + child(i + 1, 1) + "]";
    return "<" + kind + ">";
}

}  // namespace duolinear::testing
