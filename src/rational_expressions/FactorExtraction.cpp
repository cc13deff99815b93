#include "rational_expressions/FactorExtraction.h"

#include <cstdint>
#include <vector>

#include "algebra/Checked.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/GuessAndCheck.h"

namespace duolinear {

namespace {

Term_XL plainTerm(std::int64_t numerator, std::uint64_t exponent, char variable) {
    return Term_XL{Monomial{Rational{numerator, 1}, exponent, variable}, {}};
}

// t ÷ g·v^e: the numerator divided exactly, the denominator and letter kept,
// no factors; with colored, every colour of the term is color, else black.
std::optional<Term_XL> dividedTerm(const Term_XL& t, std::int64_t g, std::uint64_t e, bool colored, Color color) {
    const Monomial& m = t.monomial;
    const CheckedInt n = checkedDivide(m.coefficient.numerator, g);
    if (!n) return std::nullopt;
    const Term_XL plain{Monomial{Rational{*n, m.coefficient.denominator}, m.exponent - e, m.variable}, {}};
    return colored ? termRecolored(color, plain) : plain;
}

std::optional<TermGroup> dividedGroup(const TermGroup& group, std::int64_t g, std::uint64_t e, bool colored,
                                      Color color) {
    TermGroup result;
    for (const Term_XL& t : group) {
        const std::optional<Term_XL> divided = dividedTerm(t, g, e, colored, color);
        if (!divided) return std::nullopt;
        result.push_back(*divided);
    }
    return result;
}

bool hasFactors(const TermGroup& group) {
    for (const Term_XL& t : group) {
        if (!t.factors.empty()) return true;
    }
    return false;
}

// The polynomial is −1 times its focus group: a one-term root of power 0,
// every factor of power 1, the last naming the focus group, the others
// naming constant one-term groups, and all the constants times the root's
// coefficient −1.
bool isMinusFocusGroup(const Polynomial_XL& p, std::size_t focus) {
    const TermGroup& root = p.terms.back();
    if (root.size() != 1 || root.front().monomial.exponent != 0) return false;
    std::optional<Rational> value = root.front().monomial.coefficient;
    const std::vector<Factor>& factors = root.front().factors;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (factors[i].exponent != 1) return false;
        if (i + 1 == factors.size()) return factors[i].pointer == focus && value && rationalEquals(*value, {-1, 1});
        const TermGroup& group = p.terms[factors[i].pointer];
        if (group.size() != 1 || !group.front().factors.empty() || group.front().monomial.exponent != 0) return false;
        value = value ? rationalProduct(*value, group.front().monomial.coefficient) : std::nullopt;
    }
    return false;
}

// a·v + b: two terms without factors, powers 1 and 0, denominators 1.
bool isLinearBinomial(const TermGroup& group) {
    return group.size() == 2 && !hasFactors(group) && group[0].monomial.exponent == 1 &&
           group[1].monomial.exponent == 0 && group[0].monomial.coefficient.denominator == 1 &&
           group[1].monomial.coefficient.denominator == 1;
}

}  // namespace

bool hasCommonMonomialFactor(const Polynomial_XL& polynomial) {
    const std::optional<std::size_t> f = focusGroupIndex(polynomial);
    if (!f || polynomial.terms[*f].size() < 2) return false;
    const std::optional<std::int64_t> g = numeratorGcd(polynomial.terms[*f]);
    return g && (*g > 1 || *smallestExponent(polynomial.terms[*f]) != 0);
}

std::optional<Monomial> commonMonomialFactor(const Polynomial_XL& polynomial) {
    if (polynomial.terms.empty() || polynomial.terms[0].size() < 2) return std::nullopt;
    const TermGroup& group = polynomial.terms[0];
    const std::optional<std::int64_t> g = numeratorGcd(group);
    if (!g) return std::nullopt;
    const std::int64_t signedG = group.front().monomial.coefficient.numerator < 0 ? -*g : *g;
    const std::uint64_t e = *smallestExponent(group);
    if (signedG == 1 && e == 0) return std::nullopt;
    return Monomial{Rational{signedG, 1}, e, group.front().monomial.variable};
}

std::optional<std::array<Polynomial_XL, 2>> commonFactorPictures(bool negateLeading, Color color,
                                                                 const Polynomial_XL& polynomial) {
    const std::optional<std::size_t> f = focusGroupIndex(polynomial);
    if (!f || !pointersPointBack(polynomial)) return std::nullopt;
    const TermGroup& focus = polynomial.terms[*f];
    const std::optional<std::int64_t> gcdValue = numeratorGcd(focus);
    if (focus.empty() || hasFactors(focus) || !gcdValue || *gcdValue == 0) return std::nullopt;
    std::int64_t g = *gcdValue;
    const std::uint64_t e = *smallestExponent(focus);
    const char v = focus.front().monomial.variable;
    const bool plain = polynomial.terms.size() == 1;
    if (negateLeading && plain && focus.front().monomial.coefficient.numerator < 0) g = -g;

    if (plain) {
        std::optional<TermGroup> quotient = dividedGroup(focus, g, e, false, color);
        if (!quotient) return std::nullopt;
        const Term_XL root{Monomial{Rational{g, 1}, e, v}, {Factor{0, 1}}};
        return std::array<Polynomial_XL, 2>{recolorXLPolynomial(color, polynomial),
                                            recolorXLPolynomial(color, Polynomial_XL{{*quotient, {root}}})};
    }
    if (!isMinusFocusGroup(polynomial, *f)) return std::nullopt;
    std::optional<TermGroup> quotient = dividedGroup(focus, g, e, true, color);
    if (!quotient) return std::nullopt;
    const TermGroup minusOne{plainTerm(-1, 0, v)};
    const Factor black{0, 1};
    const Factor first{1, 1, color, color};
    const Factor second{2, 1, color, color};
    const Monomial one{Rational{1, 1}, 0, v};
    // Before is the polynomial as it stands (−(F) stays −(F)), F marked.
    Polynomial_XL before = polynomial;
    for (Term_XL& t : before.terms[*f]) t = termRecolored(color, t);
    Factor& bracket = before.terms.back().front().factors.back();
    bracket = factorRecolored(color, bracket);
    const Term_XL common{recoloredMonomial(color, Monomial{Rational{g, 1}, e, v}), {}};
    const Polynomial_XL after{{minusOne, {common}, *quotient, {Term_XL{one, {black, first, second}}}}};
    return std::array<Polynomial_XL, 2>{before, after};
}

std::optional<std::array<Polynomial_XL, 3>> negationPictures(const Polynomial_XL& polynomial) {
    if (!canAbsorbLeadingMinus(polynomial)) return std::nullopt;
    const bool firstIsNegative = rationalSignClass(polynomial.terms[0][1].monomial.coefficient) == true;
    const TermGroup& c = polynomial.terms[firstIsNegative ? 0 : 1];
    if (!isLinearBinomial(c)) return std::nullopt;
    const CheckedInt minusA = checkedNegate(c[0].monomial.coefficient.numerator);
    const CheckedInt minusB = checkedNegate(c[1].monomial.coefficient.numerator);
    if (!minusA || !minusB) return std::nullopt;
    const char v = c[0].monomial.variable;
    const Term_XL minusOne{Monomial{Rational{-1, 1}, 0}, {Factor{0, 1}}};
    return std::array<Polynomial_XL, 3>{
        Polynomial_XL{{c}},
        Polynomial_XL{{{c[1], c[0]}}},
        Polynomial_XL{{{plainTerm(*minusB, 0, v), plainTerm(*minusA, 1, v)}, {minusOne}}},
    };
}

std::optional<Polynomial_XL> leadingMinusAbsorbed(Color color, const Polynomial_XL& polynomial) {
    if (!canAbsorbLeadingMinus(polynomial) || polynomial.terms.size() != 3) return std::nullopt;
    const TermGroup& g0 = polynomial.terms[0];
    const TermGroup& g1 = polynomial.terms[1];
    const TermGroup& root = polynomial.terms[2];
    if (!isLinearBinomial(g0) || !isLinearBinomial(g1) || root.size() != 1) return std::nullopt;
    const Term_XL& t = root.front();
    const std::vector<Factor>& factors = t.factors;
    if (t.monomial.coefficient.denominator != 1 || factors.size() != 2) return std::nullopt;
    if (factors[0].pointer != 0 || factors[1].pointer != 1 || factors[0].exponent != 1 || factors[1].exponent != 1) {
        return std::nullopt;
    }
    const char v = t.monomial.variable;
    const auto numerator = [](const Term_XL& term) { return term.monomial.coefficient.numerator; };
    const bool negateFirst = numerator(g0[1]) < 0;
    const auto constantFirst = [&](const TermGroup& g, bool negate) -> std::optional<TermGroup> {
        const CheckedInt b = negate ? checkedNegate(numerator(g[1])) : numerator(g[1]);
        const CheckedInt a = negate ? checkedNegate(numerator(g[0])) : numerator(g[0]);
        if (!a || !b) return std::nullopt;
        return TermGroup{termRecolored(color, plainTerm(*b, 0, v)), termRecolored(color, plainTerm(*a, 1, v))};
    };
    const std::optional<TermGroup> first = constantFirst(g0, negateFirst);
    const std::optional<TermGroup> second = constantFirst(g1, !negateFirst);
    const CheckedInt k = checkedNegate(numerator(t));
    if (!first || !second || !k) return std::nullopt;
    const Term_XL newRoot{recoloredMonomial(color, Monomial{Rational{*k, 1}, t.monomial.exponent, v}),
                          {Factor{0, 1, color, color}, Factor{1, 1, color, color}}};
    return Polynomial_XL{{*first, *second, {newRoot}}};
}

}  // namespace duolinear
