#include "quadratic/FactoredFormLayout.h"

#include <optional>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Monomial.h"
#include "algebra/PolynomialSide.h"
#include "layout/JoinTexts.h"

namespace duolinear {

namespace {

Polynomial plainGroup(const std::vector<Term_XL>& group) {
    std::vector<Monomial> terms;
    for (const Term_XL& term : group) terms.push_back(term.monomial);
    return Polynomial{std::move(terms)};
}

// One term with its bracketed factors set after its coefficient.
std::optional<TagLayout> productLayout(Style style, const Term_XL& term, const Polynomial_XL& side) {
    const std::size_t root = side.terms.size() - 1;
    std::optional<TagLayout> product;
    for (const Factor& factor : term.factors) {
        if (factor.pointer >= root) return std::nullopt;
        const TagLayout bracket = unaryLayout("()", polynomialLayout(plainGroup(side.terms[factor.pointer]), style),
                                              factor.parenthesis_color);
        product = product ? joinLayouts(kJuxtaposeJoin, *product, bracket) : bracket;
    }
    const Monomial& m = term.monomial;
    if (!product) return monomialLayout(m, style);
    if (m.exponent == 0 && equals(m.coefficient, Rational{1, 1})) return product;
    if (m.exponent == 0 && equals(m.coefficient, Rational{-1, 1})) {
        return joinLayouts(kJuxtaposeJoin, messageLayout("-", m.coefficient.numerator_color), *product);
    }
    return joinLayouts(kJuxtaposeJoin, monomialLayout(m, style), *product);
}

std::optional<TagLayout> sideLayout(Style style, const Polynomial_XL& side) {
    if (side.terms.empty()) return std::nullopt;
    const std::vector<Term_XL>& root = side.terms.back();
    if (root.size() == 1) return productLayout(style, root.front(), side);
    for (const Term_XL& term : root) {
        if (!term.factors.empty()) return std::nullopt;
    }
    return polynomialLayout(plainGroup(root), style);
}

}  // namespace

TagLayout factoredEquationLayout(Style style, const Polynomial_Equation_XL& equation) {
    const std::optional<TagLayout> left = sideLayout(style, equation.LHS);
    const std::optional<TagLayout> right = sideLayout(style, equation.RHS);
    if (!left || !right) return messageLayout("unexpected error");
    return joinLayouts(rawValue(equation.relation), *left, *right, equation.relation_color);
}

}  // namespace duolinear
