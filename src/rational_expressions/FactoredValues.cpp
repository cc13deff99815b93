#include "rational_expressions/FactoredValues.h"

namespace duolinear {

bool sameMonomial(const Monomial& a, const Monomial& b) {
    return rationalEquals(a.coefficient, b.coefficient, false) && a.exponent == b.exponent && a.variable == b.variable;
}

bool equals(const Term_XL& a, const Term_XL& b) {
    return a.factors.empty() && b.factors.empty() && sameMonomial(a.monomial, b.monomial);
}

bool equals(const TermGroup& a, const TermGroup& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!equals(a[i], b[i])) return false;
    }
    return true;
}

Factor factorRecolored(Color color, const Factor& factor) {
    return Factor{factor.pointer, factor.exponent, color, color};
}

Term_XL termRecolored(Color color, const Term_XL& term) {
    Term_XL result{recoloredMonomial(color, term.monomial), {}};
    result.factors.reserve(term.factors.size());
    for (const Factor& f : term.factors) result.factors.push_back(factorRecolored(color, f));
    return result;
}

Polynomial_XL recolorXLPolynomial(Color color, const Polynomial_XL& polynomial) {
    Polynomial_XL result = polynomial;
    for (TermGroup& group : result.terms) {
        for (Term_XL& term : group) term = termRecolored(color, term);
    }
    return result;
}

Polynomial_Equation_XL recolorXLEquation(Color color, const Polynomial_Equation_XL& equation) {
    return Polynomial_Equation_XL{recolorXLPolynomial(color, equation.LHS), recolorXLPolynomial(color, equation.RHS),
                                  equation.relation, color};
}

Rational recolorRational(const Rational& rational, Color color) {
    return recoloredRational(color, rational);
}

bool pointersPointBack(const Polynomial_XL& polynomial) {
    for (std::size_t i = 0; i < polynomial.terms.size(); ++i) {
        for (const Term_XL& term : polynomial.terms[i]) {
            for (const Factor& f : term.factors) {
                if (f.pointer >= i) return false;
            }
        }
    }
    return true;
}

std::optional<std::size_t> focusGroupIndex(const Polynomial_XL& polynomial) {
    const std::size_t count = polynomial.terms.size();
    if (count == 1) return 0;
    if (count == 0 || polynomial.terms.back().empty()) return std::nullopt;
    const std::vector<Factor>& factors = polynomial.terms.back().front().factors;
    if (factors.empty() || factors.back().pointer >= count - 1) return std::nullopt;
    return static_cast<std::size_t>(factors.back().pointer);
}

Polynomial_XL quadraticXLPolynomial(const Rational& a, const Rational& b, const Rational& c, const std::string& order,
                                    const QuadraticColors& colors) {
    const bool descending = order == kQuadraticDescending;
    const auto term = [](const Rational& value, Color coefficient, std::uint64_t exponent, Color variable) {
        return Term_XL{Monomial{recolorRational(value, coefficient), exponent, 'x', variable}, {}};
    };
    return Polynomial_XL{{{
        term(a, colors.a_coefficient, descending ? 2 : 0, colors.a_variable),
        term(b, colors.b_coefficient, 1, colors.b_variable),
        term(c, colors.c_coefficient, descending ? 0 : 2, colors.c_variable),
    }}};
}

}  // namespace duolinear
