#include "rational_expressions/MonomialSplit.h"

#include <algorithm>
#include <vector>

#include "algebra/IntegerFunctions.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

namespace {

bool isTrivial(const Monomial& m) {
    return sameMonomialValue(m, Monomial{Rational{-1, 1}, 0}) || sameMonomialValue(m, Monomial{Rational{0, 1}, 0}) ||
           sameMonomialValue(m, Monomial{Rational{1, 1}, 0});
}

// The group with its pointers renamed by rename; none when one cannot be.
template <typename Rename>
std::optional<TermGroup> renamed(TermGroup group, Rename rename) {
    for (Term_XL& term : group) {
        for (Factor& f : term.factors) {
            const std::optional<std::uint64_t> to = rename(f.pointer);
            if (!to) return std::nullopt;
            f.pointer = *to;
        }
    }
    return group;
}

// The root term's first two factors name groups 0 and 1 to the power 1 and
// its monomial is 1: the product 1·(F0)(monomial)(F2)….
bool isProductWithMonomialSecond(const Term_XL& root) {
    const std::vector<Factor>& f = root.factors;
    return rationalEquals(root.monomial.coefficient, Rational{1, 1}) && root.monomial.exponent == 0 && f.size() >= 2 &&
           f[0].pointer == 0 && f[0].exponent == 1 && f[1].pointer == 1 && f[1].exponent == 1;
}

// The part with the monomial of its location recoloured, and the bracket
// naming a factor group too.
Polynomial_XL markedMonomial(const Polynomial_XL& part, const MonomialLocation& at, Color color) {
    Polynomial_XL marked = part;
    Monomial& m = marked.terms[at.group].front().monomial;
    m = recoloredMonomial(color, m);
    if (!at.ownCoefficient) {
        Factor& f = marked.terms.back().front().factors[at.offset];
        f = factorRecolored(color, f);
    }
    return marked;
}

// After: the marked part where its monomial is g·v^m already, else the split.
std::optional<Polynomial_XL> splitPart(const Polynomial_XL& part, const Polynomial_XL& marked,
                                       const MonomialLocation& at, std::int64_t g, std::uint64_t m, Color color) {
    const Monomial& monomial = part.terms[at.group].front().monomial;
    if (rationalEquals(monomial.coefficient, Rational{g, 1}) && monomial.exponent == m) return marked;
    return splitOffMonomial(part, at.group, g, m, color);
}

// The first factor of a one-term root whose group is a single term without
// factors and not trivial (the constants −1, 0 and 1, in any letter: the
// constants that factoring leaves carry the expression's letter); else the
// root term's own monomial when it is not trivial; else none. None also for
// a root of several terms or a part that is not well formed.
std::optional<MonomialLocation> cancellableMonomialLocation(const Polynomial_XL& part) {
    if (!isWellFormedPart(part) || part.terms.back().size() != 1) return std::nullopt;
    const std::uint64_t root = part.terms.size() - 1;
    const Term_XL& t = part.terms.back().front();
    for (std::size_t k = 0; k < t.factors.size(); ++k) {
        const TermGroup& group = part.terms[t.factors[k].pointer];
        if (group.size() == 1 && group.front().factors.empty() && !isTrivial(group.front().monomial)) {
            return MonomialLocation{t.factors[k].pointer, root, k, false};
        }
    }
    if (isTrivial(t.monomial)) return std::nullopt;
    return MonomialLocation{root, 0, 0, true};
}

}  // namespace

std::optional<Polynomial_XL> splitOffMonomial(const Polynomial_XL& part, std::uint64_t i, std::int64_t g,
                                              std::uint64_t m, Color color) {
    if (!isWellFormedPart(part) || i >= part.terms.size() || part.terms.back().size() != 1 || g == 0) {
        return std::nullopt;
    }
    const std::uint64_t root = part.terms.size() - 1;
    const Term_XL& rootTerm = part.terms.back().front();
    const Monomial& k = part.terms[i].front().monomial;
    const std::optional<Rational> q = rationalQuotient(k.coefficient, Rational{g, 1});
    if (!q || k.exponent < m) return std::nullopt;
    const char v = k.variable;
    const TermGroup quotient{termRecolored(color, Term_XL{Monomial{*q, k.exponent - m, v}, {}})};
    const Monomial common = recoloredMonomial(color, Monomial{Rational{g, 1}, m, v});

    Polynomial_XL result;
    std::vector<Factor> factors;
    if (i == root) {
        // (g·v^m)(quotient)·F1·F2…: every old group moves up one place.
        const auto up = [](std::uint64_t p) -> std::optional<std::uint64_t> { return p + 1; };
        result.terms.push_back(quotient);
        for (std::uint64_t j = 0; j < root; ++j) result.terms.push_back(*renamed(part.terms[j], up));
        factors.push_back(Factor{0, 1, color, color});
        for (const Factor& f : rootTerm.factors) factors.push_back(Factor{f.pointer + 1, f.exponent});
        result.terms.push_back({Term_XL{common, factors}});
        return result;
    }
    if (i != 1 || !isProductWithMonomialSecond(rootTerm)) return std::nullopt;
    // 1·(F0)(g·v^m)(quotient)(F2)…: group 1 becomes two groups, so the groups
    // after it move up one place; nothing else may name it.
    const auto split = [](std::uint64_t p) -> std::optional<std::uint64_t> {
        if (p == 1) return std::nullopt;
        return p == 0 ? p : p + 1;
    };
    result.terms = {part.terms[0], {Term_XL{common, {}}}, quotient};
    for (std::uint64_t j = 2; j < root; ++j) {
        std::optional<TermGroup> moved = renamed(part.terms[j], split);
        if (!moved) return std::nullopt;
        result.terms.push_back(std::move(*moved));
    }
    factors = {Factor{0, 1}, Factor{1, 1, color, color}, Factor{2, 1, color, color}};
    for (std::size_t n = 2; n < rootTerm.factors.size(); ++n) {
        const Factor& f = rootTerm.factors[n];
        const std::optional<std::uint64_t> to = split(f.pointer);
        if (!to) return std::nullopt;
        factors.push_back(Factor{*to, f.exponent});
    }
    result.terms.push_back({Term_XL{Monomial{Rational{1, 1}, 0, v}, factors}});
    return result;
}

std::optional<ExpressionPictures> splitCommonMonomialPictures(const Rational_Expression& expression) {
    const Polynomial_XL& n = expression.poly_N;
    const Polynomial_XL& d = expression.poly_D;
    const std::optional<MonomialLocation> atN = cancellableMonomialLocation(n);
    const std::optional<MonomialLocation> atD = cancellableMonomialLocation(d);
    if (!atN || !atD) return std::nullopt;
    const Monomial& mN = n.terms[atN->group].front().monomial;
    const Monomial& mD = d.terms[atD->group].front().monomial;
    const std::optional<std::int64_t> g = gcd(mN.coefficient.numerator, mD.coefficient.numerator);
    const std::uint64_t m = std::min(mN.exponent, mD.exponent);
    if (!g || *g == 0 || sameMonomialValue(mN, mD)) return std::nullopt;
    if (*g == 1 && (mN.exponent == 0 || mD.exponent == 0)) return std::nullopt;

    const Polynomial_XL markedN = markedMonomial(n, *atN, Color::red);
    const Polynomial_XL markedD = markedMonomial(d, *atD, Color::blue);
    std::optional<Polynomial_XL> splitN = splitPart(n, markedN, *atN, *g, m, Color::red);
    std::optional<Polynomial_XL> splitD = splitPart(d, markedD, *atD, *g, m, Color::blue);
    if (!splitN || !splitD) return std::nullopt;
    return ExpressionPictures{Rational_Expression{markedN, markedD},
                              Rational_Expression{std::move(*splitN), std::move(*splitD)}};
}

}  // namespace duolinear
