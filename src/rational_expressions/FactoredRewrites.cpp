#include "rational_expressions/FactoredRewrites.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "rational_expressions/FactoredQueries.h"

namespace duolinear {

namespace {

bool isPlain(const Polynomial_XL& polynomial) {
    return polynomial.terms.size() == 1;
}

bool isZeroGroup(const TermGroup& group) {
    return group.size() == 1 && group.front().monomial.coefficient.numerator == 0;
}

// value to the power n, in lowest terms; none when undefined or too large.
std::optional<Rational> rationalPower(const Rational& value, std::uint64_t n) {
    if (value.denominator == 0) return std::nullopt;
    const std::optional<std::int64_t> numerator = integerPower(value.numerator, n);
    const std::optional<std::int64_t> denominator = integerPower(value.denominator, n);
    if (!numerator || !denominator) return std::nullopt;
    return reducedRational(Rational{*numerator, *denominator});
}

std::optional<std::uint64_t> checkedExponent(std::uint64_t e, std::uint64_t add, std::uint64_t times) {
    std::uint64_t product = 0;
    std::uint64_t sum = 0;
    if (__builtin_mul_overflow(add, times, &product) || __builtin_add_overflow(e, product, &sum)) return std::nullopt;
    return sum;
}

// The root k·x^e·F1·F2… with its leading one-term factors absorbed.
Outcome<Polynomial_XL> absorbedFactors(bool negate, const Polynomial_XL& polynomial) {
    const std::size_t root = polynomial.terms.size() - 1;
    const Term_XL& t = polynomial.terms[root].front();
    std::optional<Rational> c = negate ? negatedRational(t.monomial.coefficient) : t.monomial.coefficient;
    std::optional<std::uint64_t> e = t.monomial.exponent;
    // The letter of the product: a constant root takes the letter of the
    // first absorbed power (constants made elsewhere carry the letter x).
    char letter = t.monomial.variable;
    std::size_t absorbed = 0;
    for (const Factor& f : t.factors) {
        const TermGroup& group = polynomial.terms[f.pointer];
        if (group.size() != 1 || !group.front().factors.empty()) break;
        const Monomial& u = group.front().monomial;
        const std::optional<Rational> power = rationalPower(u.coefficient, f.exponent);
        c = c && power ? rationalProduct(*power, *c) : std::nullopt;
        if (e == 0u && u.exponent > 0 && f.exponent > 0) letter = u.variable;
        e = e ? checkedExponent(*e, u.exponent, f.exponent) : std::nullopt;
        if (!c || !e) return Outcome<Polynomial_XL>::failure();
        ++absorbed;
    }
    if (absorbed == 0 && !negate) return Outcome<Polynomial_XL>::nothing();
    if (!c) return Outcome<Polynomial_XL>::failure();
    Polynomial_XL result{{polynomial.terms.begin(), polynomial.terms.end() - 1}};
    const std::vector<Factor> rest(t.factors.begin() + static_cast<std::ptrdiff_t>(absorbed), t.factors.end());
    result.terms.push_back({Term_XL{Monomial{*c, *e, letter}, rest}});
    return Outcome<Polynomial_XL>::of(std::move(result));
}

std::optional<Polynomial_XL> sortedByPower(const Polynomial_XL& polynomial, bool descending) {
    if (!isPlain(polynomial)) return std::nullopt;
    Polynomial_XL result = polynomial;
    std::stable_sort(result.terms[0].begin(), result.terms[0].end(), [descending](const Term_XL& a, const Term_XL& b) {
        return descending ? a.monomial.exponent > b.monomial.exponent : a.monomial.exponent < b.monomial.exponent;
    });
    return result;
}

std::optional<TermGroup> negatedGroup(const TermGroup& group) {
    TermGroup result;
    for (const Term_XL& term : group) {
        const std::optional<Term_XL> negated = negatedTerm(term);
        if (!negated) return std::nullopt;
        result.push_back(*negated);
    }
    return result;
}

}  // namespace

std::optional<Polynomial_XL> zeroTermsRemoved(bool recolor, const Polynomial_XL& polynomial) {
    if (polynomial.terms.empty() || polynomial.terms[0].empty() || !pointersPointBack(polynomial)) return std::nullopt;
    const Term_XL zero{Monomial{Rational{0, 1}, 0, polynomial.terms[0].front().monomial.variable}, {}};
    std::vector<TermGroup> groups = polynomial.terms;
    for (TermGroup& group : groups) {
        std::erase_if(group, [](const Term_XL& t) { return t.monomial.coefficient.numerator == 0; });
        if (group.empty()) group = {zero};
    }
    // A group is emptied at most once (it becomes a zero term without
    // factors), so the passes end.
    bool emptied = true;
    while (emptied) {
        emptied = false;
        const std::vector<TermGroup> before = groups;
        for (TermGroup& group : groups) {
            std::erase_if(group, [&before](const Term_XL& t) {
                return std::any_of(t.factors.begin(), t.factors.end(),
                                   [&before](const Factor& f) { return isZeroGroup(before[f.pointer]); });
            });
            if (!group.empty()) continue;
            group = {zero};
            emptied = true;
        }
    }
    Polynomial_XL result{std::move(groups)};
    return recolor ? recolorXLPolynomial(Color::black, result) : result;
}

Outcome<Polynomial_XL> monomialFactorsAbsorbed(bool negate, const Polynomial_XL& polynomial) {
    using Result = Outcome<Polynomial_XL>;
    if (!pointersPointBack(polynomial)) return Result::failure();
    if (polynomial.terms.empty() || polynomial.terms.back().empty()) {
        return negate ? Result::failure() : Result::nothing();
    }
    const TermGroup& root = polynomial.terms.back();
    if (root.size() == 1 && !root.front().factors.empty()) return absorbedFactors(negate, polynomial);
    if (!negate) return Result::nothing();
    const Monomial& t = root.front().monomial;
    if (root.size() == 1) {
        const std::optional<Rational> c = rationalProduct(Rational{-1, 1}, t.coefficient);
        if (!c) return Result::failure();
        return Result::of(Polynomial_XL{{{Term_XL{Monomial{*c, t.exponent, t.variable}, {}}}}});
    }
    // −1·(root): the root becomes a bracketed group, keeping the groups its
    // terms name.
    Polynomial_XL result = polynomial;
    const std::uint64_t bracket = polynomial.terms.size() - 1;
    result.terms.push_back({Term_XL{Monomial{Rational{-1, 1}, 0, t.variable}, {Factor{bracket, 1}}}});
    return Result::of(std::move(result));
}

std::optional<Polynomial_XL> gcdMonomialDivided(const Polynomial_XL& polynomial) {
    const std::optional<Monomial> g = gcdMonomial(polynomial);
    if (!g) return polynomial;
    const std::int64_t divisor = g->coefficient.numerator;
    if (divisor == 0) return std::nullopt;
    TermGroup group;
    for (const Term_XL& term : polynomial.terms[0]) {
        const CheckedInt quotient = checkedDivide(term.monomial.coefficient.numerator, divisor);
        if (!quotient) return std::nullopt;
        group.push_back(
            Term_XL{Monomial{Rational{*quotient, 1}, term.monomial.exponent - g->exponent, g->variable}, {}});
    }
    return Polynomial_XL{{std::move(group)}};
}

std::optional<Polynomial_XL> sortedAscending(const Polynomial_XL& polynomial) {
    return sortedByPower(polynomial, false);
}

std::optional<Polynomial_XL> sortedDescending(const Polynomial_XL& polynomial) {
    return sortedByPower(polynomial, true);
}

std::optional<Term_XL> negatedTerm(const Term_XL& term) {
    const Monomial& m = term.monomial;
    const CheckedInt numerator = checkedNegate(m.coefficient.numerator);
    if (!numerator) return std::nullopt;
    return Term_XL{Monomial{Rational{*numerator, m.coefficient.denominator}, m.exponent, m.variable}, {}};
}

std::optional<Polynomial_XL> negatedTerms(const Polynomial_XL& polynomial) {
    if (!isPlain(polynomial)) return std::nullopt;
    std::optional<TermGroup> group = negatedGroup(polynomial.terms[0]);
    if (!group) return std::nullopt;
    return Polynomial_XL{{std::move(*group)}};
}

std::optional<Polynomial_XL> negativeOneFactoredOut(const Polynomial_XL& polynomial) {
    if (!isPlain(polynomial)) return std::nullopt;
    std::optional<TermGroup> negated = negatedGroup(polynomial.terms[0]);
    if (!negated) return std::nullopt;
    const Term_XL minusOne{Monomial{Rational{-1, 1}, 0}, {}};
    const Term_XL root{Monomial{Rational{1, 1}, 0}, {Factor{0, 1}, Factor{1, 1}}};
    return Polynomial_XL{{{minusOne}, std::move(*negated), {root}}};
}

}  // namespace duolinear
