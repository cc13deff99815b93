#include "rational_expressions/GroupRewrites.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/FactoredRewrites.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/GuessAndCheck.h"
#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

namespace {

// What a rewrite makes of one group: the groups its bracket names instead,
// and the monomial taken out, which multiplies the root once per power.
struct GroupRewrite {
    std::vector<TermGroup> groups;
    Monomial takenOut{Rational{1, 1}, 0};
};

bool isOne(const Monomial& m) {
    return m.exponent == 0 && rationalEquals(m.coefficient, Rational{1, 1});
}

bool hasFactors(const TermGroup& group) {
    return std::any_of(group.begin(), group.end(), [](const Term_XL& t) { return !t.factors.empty(); });
}

// A sum that a rewrite may take: two terms or more, none with factors.
bool isRewritable(const TermGroup& group) {
    return group.size() >= 2 && !hasFactors(group);
}

bool isProduct(const Polynomial_XL& part) {
    return isWellFormedPart(part) && part.terms.back().size() == 1 && !part.terms.back().front().factors.empty();
}

// m^n, the coefficient in lowest terms; none when it does not fit.
std::optional<Monomial> monomialPower(const Monomial& m, std::uint64_t n) {
    const std::optional<std::int64_t> numerator = integerPower(m.coefficient.numerator, n);
    const std::optional<std::int64_t> denominator = integerPower(m.coefficient.denominator, n);
    std::uint64_t exponent = 0;
    if (!numerator || !denominator || __builtin_mul_overflow(m.exponent, n, &exponent)) return std::nullopt;
    const std::optional<Rational> c = reducedRational(Rational{*numerator, *denominator});
    if (!c) return std::nullopt;
    return Monomial{*c, exponent, m.variable};
}

// a·b; a constant a takes b's letter.
std::optional<Monomial> monomialProduct(const Monomial& a, const Monomial& b) {
    const std::optional<Rational> c = rationalProduct(a.coefficient, b.coefficient);
    std::uint64_t exponent = 0;
    if (!c || __builtin_add_overflow(a.exponent, b.exponent, &exponent)) return std::nullopt;
    return Monomial{*c, exponent, a.exponent == 0 && b.exponent > 0 ? b.variable : a.variable};
}

// The part with the bracket at position k of its root term rewritten.
GroupPictures rewrittenPictures(Color color, const Polynomial_XL& part, std::size_t k, const GroupRewrite& rewrite) {
    const Term_XL& root = part.terms.back().front();
    const Factor& bracket = root.factors[k];
    Polynomial_XL before = part;
    for (Term_XL& t : before.terms[bracket.pointer]) t = termRecolored(color, t);
    Factor& marked = before.terms.back().front().factors[k];
    marked = factorRecolored(color, marked);

    Term_XL newRoot = root;
    const std::optional<Monomial> multiplier = monomialPower(rewrite.takenOut, bracket.exponent);
    if (!multiplier) return std::nullopt;
    if (!isOne(*multiplier)) {
        const std::optional<Monomial> product = monomialProduct(root.monomial, *multiplier);
        if (!product) return std::nullopt;
        newRoot.monomial = recoloredMonomial(color, *product);
    }
    Polynomial_XL after{{part.terms.begin(), part.terms.end() - 1}};
    newRoot.factors.erase(newRoot.factors.begin() + static_cast<std::ptrdiff_t>(k));
    std::vector<Factor> named;
    for (const TermGroup& group : rewrite.groups) {
        named.push_back(Factor{after.terms.size(), bracket.exponent, color, color});
        after.terms.push_back(recolorXLPolynomial(color, Polynomial_XL{{group}}).terms.front());
    }
    newRoot.factors.insert(newRoot.factors.begin() + static_cast<std::ptrdiff_t>(k), named.begin(), named.end());
    after.terms.push_back({newRoot});
    return std::array<Polynomial_XL, 2>{before, after};
}

// The first bracket of a product part whose group the rewrite takes.
template <typename Rewrite>
GroupPictures firstGroupRewritten(Color color, const Polynomial_XL& part, Rewrite rewrite) {
    if (!isProduct(part)) return std::nullopt;
    const std::vector<Factor>& factors = part.terms.back().front().factors;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        const TermGroup& group = part.terms[factors[k].pointer];
        if (factors[k].exponent == 0 || !isRewritable(group)) continue;
        const std::optional<GroupRewrite> rewritten = rewrite(group);
        if (!rewritten) continue;
        return rewrittenPictures(color, part, k, *rewritten);
    }
    return std::nullopt;
}

// c·v^e: c the gcd of the numerators over the lcm of the denominators (in
// lowest terms), e the least power. None when every coefficient is 0, one is
// undefined, or a value does not fit.
std::optional<Monomial> content(const TermGroup& group) {
    std::uint64_t g = 0;
    std::optional<std::int64_t> l = 1;
    for (const Term_XL& t : group) {
        const std::optional<Rational> c = reducedRational(t.monomial.coefficient);
        if (!c) return std::nullopt;
        g = gcdOfMagnitudes(g, magnitude(c->numerator));
        l = lcm(*l, c->denominator);
        if (!l) return std::nullopt;
    }
    const CheckedInt numerator = signedFromMagnitude(false, g);
    if (!numerator || *numerator == 0) return std::nullopt;
    return Monomial{Rational{*numerator, *l}, *smallestExponent(group), group.front().monomial.variable};
}

std::optional<TermGroup> dividedBy(const TermGroup& group, const Monomial& m) {
    TermGroup result;
    for (const Term_XL& t : group) {
        const std::optional<Rational> c = rationalQuotient(t.monomial.coefficient, m.coefficient);
        if (!c) return std::nullopt;
        result.push_back(Term_XL{Monomial{*c, t.monomial.exponent - m.exponent, t.monomial.variable}, {}});
    }
    return result;
}

std::optional<GroupRewrite> contentTakenOut(const TermGroup& group) {
    const std::optional<Monomial> c = content(group);
    if (!c || isOne(*c)) return std::nullopt;
    std::optional<TermGroup> rest = dividedBy(group, *c);
    if (!rest) return std::nullopt;
    return GroupRewrite{{std::move(*rest)}, *c};
}

}  // namespace

GroupPictures groupSortedPictures(Color color, const Polynomial_XL& part) {
    return firstGroupRewritten(color, part, [](const TermGroup& group) -> std::optional<GroupRewrite> {
        if (isSortedPlainPolynomial(Polynomial_XL{{group}})) return std::nullopt;
        std::optional<Polynomial_XL> sorted = sortedDescending(Polynomial_XL{{group}});
        if (!sorted) return std::nullopt;
        return GroupRewrite{{sorted->terms.front()}};
    });
}

GroupPictures groupNegatedPictures(Color color, const Polynomial_XL& part) {
    return firstGroupRewritten(color, part, [](const TermGroup& group) -> std::optional<GroupRewrite> {
        if (rationalSignClass(group.front().monomial.coefficient) != true) return std::nullopt;
        std::optional<Polynomial_XL> negated = negatedTerms(Polynomial_XL{{group}});
        if (!negated) return std::nullopt;
        return GroupRewrite{{negated->terms.front()}, Monomial{Rational{-1, 1}, 0}};
    });
}

GroupPictures groupContentPictures(Color color, const Polynomial_XL& part) {
    if (part.terms.size() == 1 && isRewritable(part.terms[0])) {
        const std::optional<GroupRewrite> rewritten = contentTakenOut(part.terms[0]);
        if (!rewritten) return std::nullopt;
        const Term_XL root{rewritten->takenOut, {Factor{0, 1}}};
        return std::array<Polynomial_XL, 2>{
            recolorXLPolynomial(color, part),
            recolorXLPolynomial(color, Polynomial_XL{{rewritten->groups.front(), {root}}})};
    }
    return firstGroupRewritten(color, part, contentTakenOut);
}

GroupPictures groupFactoredPictures(Color color, const Polynomial_XL& part) {
    return firstGroupRewritten(color, part, [](const TermGroup& group) -> std::optional<GroupRewrite> {
        const Polynomial_XL alone{{group}};
        const std::optional<std::uint64_t> d = degree(alone);
        if (!d || *d < 2) return std::nullopt;
        Outcome<std::vector<Polynomial_XL>> found = linearFactors(alone);
        if (!found.value) return std::nullopt;
        GroupRewrite rewrite;
        for (const Polynomial_XL& factor : *found.value) rewrite.groups.push_back(factor.terms.front());
        // A quotient of one term is taken out rather than bracketed.
        if (rewrite.groups.back().size() == 1) {
            rewrite.takenOut = rewrite.groups.back().front().monomial;
            rewrite.groups.pop_back();
        }
        return rewrite;
    });
}

GroupPictures groupWrittenAs(Color color, const Polynomial_XL& part, std::size_t k,
                             const std::vector<TermGroup>& groups, const Monomial& takenOut) {
    if (!isProduct(part) || k >= part.terms.back().front().factors.size()) return std::nullopt;
    return rewrittenPictures(color, part, k, GroupRewrite{groups, takenOut});
}

std::optional<Polynomial_XL> oneTermGroupsAbsorbed(const Polynomial_XL& part) {
    if (!isProduct(part)) return std::nullopt;
    Polynomial_XL result = part;
    Term_XL& root = result.terms.back().front();
    std::vector<Factor> kept;
    for (const Factor& f : root.factors) {
        const TermGroup& group = part.terms[f.pointer];
        // A bracket (1) is not drawn, so taking it in would show no change.
        if (group.size() != 1 || !group.front().factors.empty() || isOne(group.front().monomial)) {
            kept.push_back(f);
            continue;
        }
        const std::optional<Monomial> multiplier = monomialPower(group.front().monomial, f.exponent);
        const std::optional<Monomial> product = multiplier ? monomialProduct(root.monomial, *multiplier) : std::nullopt;
        if (!product) return std::nullopt;
        root.monomial = *product;
    }
    if (kept.size() == root.factors.size()) return std::nullopt;
    root.factors = std::move(kept);
    return result;
}

}  // namespace duolinear
