#include "rational_expressions/GuessAndCheck.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/RootSearch.h"

namespace duolinear {

namespace {

using Factors = std::vector<Polynomial_XL>;

Polynomial_XL linear(std::int64_t p, std::int64_t s, char v) {
    return Polynomial_XL{{{Term_XL{Monomial{Rational{p, 1}, 1, v}, {}}, Term_XL{Monomial{Rational{s, 1}, 0, v}, {}}}}};
}

// The coefficients of a group cleared of fractions: every term multiplied
// by the least common multiple L of the denominators, so that the numerators
// n·(L/d) are whole, and L kept. None for an undefined coefficient or when a
// value does not fit.
struct ClearedGroup {
    TermGroup terms;
    std::int64_t scale = 1;
};

std::optional<ClearedGroup> cleared(const TermGroup& group) {
    std::int64_t scale = 1;
    for (const Term_XL& term : group) {
        const std::int64_t d = term.monomial.coefficient.denominator;
        const std::optional<std::int64_t> next = d == 0 ? std::nullopt : lcm(scale, d);
        if (!next) return std::nullopt;
        scale = *next;
    }
    ClearedGroup result{group, scale};
    for (Term_XL& term : result.terms) {
        Rational& c = term.monomial.coefficient;
        const CheckedInt n = checkedMultiply(c.numerator, checkedDivide(scale, c.denominator));
        if (!n) return std::nullopt;
        c = Rational{*n, 1, c.numerator_color, c.denominator_color, c.bar_color};
    }
    return result;
}

// The coefficients of a whole-number group by power, highest first, like
// powers added (zero terms, whose power may exceed n, are left out). None
// on overflow.
std::optional<std::vector<std::int64_t>> digitsOf(const TermGroup& group, std::uint64_t n) {
    std::vector<std::int64_t> digits(n + 1, 0);
    for (const Term_XL& term : group) {
        const std::int64_t c = term.monomial.coefficient.numerator;
        if (c == 0) continue;
        const CheckedInt sum = checkedAdd(digits[n - term.monomial.exponent], c);
        if (!sum) return std::nullopt;
        digits[n - term.monomial.exponent] = *sum;
    }
    return digits;
}

// The position of the root's factor that names the group, if any.
std::optional<std::size_t> factorNaming(const std::vector<Factor>& factors, std::uint64_t group) {
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (factors[i].pointer == group) return i;
    }
    return std::nullopt;
}

// The after picture: the focus group f replaced by the groups of found.
Polynomial_XL factoredPicture(Color color, const Polynomial_XL& p, std::size_t f, const Factors& found) {
    const std::size_t count = p.terms.size();
    const char v = p.terms[f].front().monomial.variable;
    Polynomial_XL result;
    Term_XL root{Monomial{Rational{1, 1}, 0, v}, {}};
    Factor focus{0, 1, color, color};
    if (count > 1) {
        const Term_XL& t = p.terms.back().front();
        const std::vector<Factor> others(t.factors.begin(), t.factors.end() - 1);
        // The focus group is dropped when it stands just before the root and
        // no other factor names it; otherwise it stays, unreferenced.
        const bool dropFocus = f == count - 2 && !factorNaming(others, f);
        result.terms.assign(p.terms.begin(), p.terms.end() - (dropFocus ? 2 : 1));
        root.monomial = Monomial{rationalInBlack(t.monomial.coefficient), t.monomial.exponent, v};
        for (const Factor& other : others) root.factors.push_back(Factor{other.pointer, other.exponent});
        focus.exponent = t.factors.back().exponent;
    }
    for (const Polynomial_XL& factor : found) {
        root.factors.push_back(Factor{result.terms.size(), focus.exponent, color, color});
        result.terms.push_back(recolorXLPolynomial(color, factor).terms.front());
    }
    result.terms.push_back({root});
    return result;
}

}  // namespace

std::optional<Polynomial_XL> dividedByLinearFactor(const Polynomial_XL& divisor, const Polynomial_XL& dividend) {
    const std::optional<std::uint64_t> n = degree(dividend);
    if (!n || divisor.terms.empty() || divisor.terms[0].empty()) return std::nullopt;
    const std::int64_t a = divisor.terms[0].front().monomial.coefficient.numerator;
    const std::int64_t b = divisor.terms[0].back().monomial.coefficient.numerator;
    const char v = divisor.terms[0].front().monomial.variable;
    if (a == 0 || *n > kMaxDivisionDegree) return std::nullopt;
    const std::optional<ClearedGroup> whole = cleared(dividend.terms[0]);
    if (!whole || whole->scale != 1) return std::nullopt;
    const std::optional<std::vector<std::int64_t>> digits = digitsOf(whole->terms, *n);
    if (!digits) return std::nullopt;
    TermGroup quotient;
    CheckedInt r = (*digits)[0];
    for (std::uint64_t i = 1; i <= *n; ++i) {
        const CheckedInt q = checkedDivide(r, a);
        if (!q) return std::nullopt;
        if (*q != 0) quotient.push_back(Term_XL{Monomial{Rational{*q, 1}, *n - i, v}, {}});
        r = checkedSubtract((*digits)[i], checkedMultiply(q, b));
    }
    if (!r) return std::nullopt;
    return Polynomial_XL{{std::move(quotient)}};
}

Outcome<Polynomial_XL> linearFactor(const Polynomial_XL& polynomial) {
    using Result = Outcome<Polynomial_XL>;
    const std::optional<std::uint64_t> n = degree(polynomial);
    if (!n || *n > kMaxDivisionDegree) return Result::failure();
    // The roots of the group are those of its whole-number multiple.
    const std::optional<ClearedGroup> whole = cleared(polynomial.terms[0]);
    if (!whole) return Result::failure();
    std::optional<std::vector<std::int64_t>> digits = digitsOf(whole->terms, *n);
    // The coefficients summed by power: x² + 1 − x² − 1 has no leading one.
    if (!digits || digits->front() <= 0) return Result::failure();
    // The root 0 is not sought: a last term 0 finds nothing, and otherwise
    // the lowest power is the constant (x² + 3x gives x + 3, x being what is
    // left).
    if (whole->terms.back().monomial.coefficient.numerator == 0) return Result::nothing();
    while (digits->back() == 0) digits->pop_back();
    if (digits->size() < 2) return Result::nothing();
    const char v = whole->terms.front().monomial.variable;
    // A candidate whose trial does not fit is passed over; only when no
    // other has the root is the search a failure rather than "no root".
    const RootSearch search = firstRationalRoot(*digits);
    if (search.root) return Result::of(linear(search.root->p, -search.root->s, v));
    return search.undecided ? Result::failure() : Result::nothing();
}

Outcome<Factors> linearFactors(const Polynomial_XL& polynomial) {
    using Result = Outcome<Factors>;
    const std::optional<std::uint64_t> d = degree(polynomial);
    if (!d || *d < 2 || polynomial.terms[0].size() < 2) return Result::nothing();
    // The factors are found in the whole-number multiple L·P, and the last
    // quotient is divided by L again, so that the product keeps P's value.
    const std::optional<ClearedGroup> whole = cleared(polynomial.terms[0]);
    if (!whole) return Result::failure();
    Polynomial_XL rest{{whole->terms}};
    Factors found;
    for (std::uint64_t i = 0; i < *d; ++i) {
        Outcome<Polynomial_XL> factor = linearFactor(rest);
        if (!factor.value) {
            if (found.empty()) return factor.failed ? Result::failure() : Result::nothing();
            break;
        }
        std::optional<Polynomial_XL> quotient = dividedByLinearFactor(*factor.value, rest);
        if (!quotient) return Result::failure();
        found.push_back(std::move(*factor.value));
        rest = std::move(*quotient);
    }
    for (Term_XL& term : rest.terms[0]) {
        const std::optional<Rational> c = rationalQuotient(term.monomial.coefficient, Rational{whole->scale, 1});
        if (!c) return Result::failure();
        term.monomial.coefficient = *c;
    }
    found.push_back(std::move(rest));
    return Result::of(std::move(found));
}

bool canFactorFocusGroup(const Polynomial_XL& polynomial) {
    const std::optional<std::size_t> f = focusGroupIndex(polynomial);
    if (!f) return false;
    const TermGroup& group = polynomial.terms[*f];
    if (group.size() < 2 || group.front().monomial.exponent <= 1) return false;
    return linearFactor(Polynomial_XL{{group}}).applies();
}

std::optional<std::array<Polynomial_XL, 2>> factorFocusGroupPictures(Color color, const Polynomial_XL& polynomial) {
    const std::optional<std::size_t> f = focusGroupIndex(polynomial);
    if (!f || !pointersPointBack(polynomial) || polynomial.terms[*f].empty()) return std::nullopt;
    const std::size_t count = polynomial.terms.size();
    if (count > 1 && polynomial.terms.back().size() != 1) return std::nullopt;
    const Outcome<Factors> found = linearFactors(Polynomial_XL{{polynomial.terms[*f]}});
    if (!found.value) return std::nullopt;

    Polynomial_XL before = polynomial;
    for (Term_XL& term : before.terms[*f]) term = termRecolored(color, term);
    if (count > 1) {
        Factor& focus = before.terms.back().front().factors.back();
        focus = factorRecolored(color, focus);
    }
    return std::array<Polynomial_XL, 2>{before, factoredPicture(color, polynomial, *f, *found.value)};
}

std::optional<std::array<Polynomial_XL, 2>> quadraticFactorPictures(Color color, const std::string& method,
                                                                    const Polynomial_XL& polynomial) {
    std::optional<std::array<Polynomial_XL, 2>> pictures = factorFocusGroupPictures(color, polynomial);
    if (!pictures || method == kGuessAndCheck) return pictures;
    std::vector<TermGroup>& groups = (*pictures)[1].terms;
    if (groups.size() < 3 || groups[0].size() < 2 || groups[1].size() < 2) return std::nullopt;
    const std::int64_t a = groups[0][0].monomial.coefficient.numerator;
    const std::int64_t b = groups[0][1].monomial.coefficient.numerator;
    const std::int64_t c = groups[1][0].monomial.coefficient.numerator;
    const std::int64_t d = groups[1][1].monomial.coefficient.numerator;
    const CheckedInt u = checkedAbs(checkedMultiply(a, d));
    const CheckedInt w = checkedAbs(checkedMultiply(b, c));
    const CheckedInt ac = checkedMultiply(a, c);
    const CheckedInt bd = checkedMultiply(b, d);
    const CheckedInt absA = checkedAbs(a);
    const CheckedInt absB = checkedAbs(b);
    if (!u || !w || !ac || !bd || !absA || !absB) return std::nullopt;
    if (gcd(*ac, std::max(*u, *w)) == absA && gcd(*bd, std::min(*u, *w)) == absB) return pictures;
    std::swap(groups[0], groups[1]);
    std::vector<Factor>& factors = groups.back().front().factors;
    const std::optional<std::size_t> first = factorNaming(factors, 0);
    const std::optional<std::size_t> second = factorNaming(factors, 1);
    if (first && second) {
        std::swap(factors[*first], factors[*second]);
        std::swap(factors[*first].pointer, factors[*second].pointer);
    }
    return pictures;
}

bool canAbsorbLeadingMinus(const Polynomial_XL& polynomial) {
    const std::vector<TermGroup>& groups = polynomial.terms;
    if (groups.size() < 3 || groups.back().empty() || groups[0].size() < 2 || groups[1].size() < 2) return false;
    const std::optional<bool> lead = rationalSignClass(groups.back().front().monomial.coefficient);
    const std::optional<bool> first = rationalSignClass(groups[0][1].monomial.coefficient);
    const std::optional<bool> second = rationalSignClass(groups[1][1].monomial.coefficient);
    return lead && first && second && *lead && *first != *second;
}

}  // namespace duolinear
