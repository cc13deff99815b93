#include "rational_expressions/FactoredQueries.h"

#include <algorithm>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

bool isNonzero(const Term_XL& term) {
    return term.monomial.coefficient.numerator != 0;
}

// The non-zero terms of a plain polynomial, highest power first (stable);
// none for several groups or an empty group.
std::optional<TermGroup> descendingNonzeroTerms(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1 || polynomial.terms[0].empty()) return std::nullopt;
    TermGroup terms;
    std::copy_if(polynomial.terms[0].begin(), polynomial.terms[0].end(), std::back_inserter(terms), isNonzero);
    std::stable_sort(terms.begin(), terms.end(),
                     [](const Term_XL& a, const Term_XL& b) { return a.monomial.exponent > b.monomial.exponent; });
    return terms;
}

// The quadratic's coefficients a, b and c, like powers summed.
struct QuadraticCoefficients {
    Rational a{0, 1};
    Rational b{0, 1};
    Rational c{0, 1};
};

std::optional<QuadraticCoefficients> summedCoefficients(const TermGroup& terms) {
    QuadraticCoefficients sums;
    for (const Term_XL& term : terms) {
        Rational& sum = term.monomial.exponent == 2 ? sums.a : term.monomial.exponent == 1 ? sums.b : sums.c;
        const std::optional<Rational> next = rationalSum(sum, term.monomial.coefficient);
        if (!next) return std::nullopt;
        sum = *next;
    }
    return sums;
}

std::optional<Rational> discriminant(const QuadraticCoefficients& q) {
    const std::optional<Rational> square = rationalProduct(q.b, q.b);
    const std::optional<Rational> ac = rationalProduct(q.a, q.c);
    if (!square || !ac) return std::nullopt;
    const std::optional<Rational> fourAC = rationalProduct(Rational{4, 1}, *ac);
    if (!fourAC) return std::nullopt;
    return rationalDifference(*square, *fourAC);
}

bool rootIsConstant(const Rational& r, const Polynomial_XL& polynomial) {
    if (polynomial.terms.empty() || polynomial.terms.back().size() != 1) return false;
    const Term_XL& term = polynomial.terms.back().front();
    return term.factors.empty() && sameMonomial(term.monomial, Monomial{r, 0, 'x'});
}

}  // namespace

bool hasZeroDenominator(const Polynomial_XL& polynomial) {
    for (const TermGroup& group : polynomial.terms) {
        for (const Term_XL& term : group) {
            if (term.monomial.coefficient.denominator == 0) return true;
        }
    }
    return false;
}

std::optional<std::uint64_t> degree(const Polynomial_XL& polynomial) {
    const std::optional<TermGroup> terms = descendingNonzeroTerms(polynomial);
    if (!terms || terms->empty()) return std::nullopt;
    return terms->front().monomial.exponent;
}

std::optional<Linear_Category> linearCategory(const Polynomial_XL& polynomial) {
    if (degree(polynomial) != 1) return std::nullopt;
    return descendingNonzeroTerms(polynomial)->size() == 1 ? Linear_Category::monomial : Linear_Category::binomial;
}

std::optional<Quadratic_Category> quadraticCategory(const Polynomial_XL& polynomial) {
    if (degree(polynomial) != 2) return std::nullopt;
    const TermGroup terms = *descendingNonzeroTerms(polynomial);
    if (terms.size() == 1) return Quadratic_Category::monomial_a;
    if (terms.size() == 2) {
        return terms.back().monomial.exponent == 1 ? Quadratic_Category::binomial_ab : Quadratic_Category::binomial_ac;
    }
    return Quadratic_Category::trinomial;
}

std::optional<Quadratic_Factorabilty> quadraticFactorability(const Polynomial_XL& polynomial) {
    if (degree(polynomial) != 2) return std::nullopt;
    const std::optional<QuadraticCoefficients> sums = summedCoefficients(*descendingNonzeroTerms(polynomial));
    if (!sums) return std::nullopt;
    const std::optional<Rational> d = discriminant(*sums);
    if (!d) return std::nullopt;
    if (rationalIsPerfectSquare(*d)) return Quadratic_Factorabilty::factors;
    if (rationalSignClass(*d) == true) return Quadratic_Factorabilty::does_not_factor;
    return Quadratic_Factorabilty::factors_but_not_over_rationals;
}

std::optional<Monomial> leadingMonomial(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1 || polynomial.terms[0].empty()) return std::nullopt;
    return polynomial.terms[0].front().monomial;
}

std::optional<std::int64_t> numeratorGcd(const TermGroup& group) {
    std::uint64_t g = 0;
    for (const Term_XL& term : group) g = gcdOfMagnitudes(g, magnitude(term.monomial.coefficient.numerator));
    return signedFromMagnitude(false, g);
}

std::optional<std::uint64_t> smallestExponent(const TermGroup& group) {
    if (group.empty()) return std::nullopt;
    std::uint64_t e = group.front().monomial.exponent;
    for (const Term_XL& term : group) e = std::min(e, term.monomial.exponent);
    return e;
}

std::optional<Monomial> gcdMonomial(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1 || polynomial.terms[0].size() < 2) return std::nullopt;
    const TermGroup& group = polynomial.terms[0];
    const Monomial& first = group.front().monomial;
    const std::optional<std::int64_t> g = numeratorGcd(group);
    if (!g) return std::nullopt;
    const std::int64_t signedG = first.coefficient.numerator < 0 ? -*g : *g;
    return Monomial{Rational{signedG, 1}, *smallestExponent(group), first.variable};
}

bool isConstant(std::int64_t k, const Polynomial_XL& polynomial) {
    return rootIsConstant(Rational{k, 1}, polynomial);
}

bool isConstantRational(const Rational& r, const Polynomial_XL& polynomial) {
    return rootIsConstant(r, polynomial);
}

bool isSortedPlainPolynomial(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1) return false;
    const TermGroup& group = polynomial.terms[0];
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (!group[i].factors.empty()) return false;
        if (i > 0 && group[i].monomial.exponent > group[i - 1].monomial.exponent) return false;
    }
    return true;
}

bool sameMonomials(const Polynomial_XL& p, const Polynomial_XL& q) {
    if (p.terms.size() != 1 || q.terms.size() != 1 || p.terms[0].size() != q.terms[0].size()) return false;
    for (std::size_t i = 0; i < p.terms[0].size(); ++i) {
        if (!sameMonomial(p.terms[0][i].monomial, q.terms[0][i].monomial)) return false;
    }
    return true;
}

bool hasNegativeLeadingCoefficient(const Polynomial_XL& polynomial) {
    return !polynomial.terms.empty() && !polynomial.terms[0].empty() &&
           polynomial.terms[0].front().monomial.coefficient.numerator < 0;
}

}  // namespace duolinear
