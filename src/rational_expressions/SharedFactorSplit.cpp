#include "rational_expressions/SharedFactorSplit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "rational_expressions/CommonFactorCancelling.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/GroupRewrites.h"
#include "rational_expressions/PolynomialGcd.h"
#include "rational_expressions/SharedFactors.h"

namespace duolinear {

namespace {

using PartPictures = std::optional<std::array<Polynomial_XL, 2>>;

// A factor that can be written out: a bracket or a root of several terms,
// of degree 1 or more.
bool isWritable(const Polynomial_XL& part, const ValueFactor& f) {
    const std::size_t root = part.terms.size() - 1;
    return f.value.size() >= 2 && (f.group != root || part.terms[root].size() > 1);
}

// The part has a root of several terms or a bracket, the only factors that
// can be written out; told from its shape alone, before anything is valued.
bool mayHaveWritable(const Polynomial_XL& part) {
    if (part.terms.empty() || part.terms.back().empty()) return false;
    const TermGroup& root = part.terms.back();
    return root.size() > 1 || std::any_of(root.front().factors.begin(), root.front().factors.end(),
                                          [](const Factor& f) { return f.exponent > 0; });
}

// The letter a group is written in: that of its first power of the letter.
char letterOf(const TermGroup& group) {
    for (const Term_XL& t : group) {
        if (t.monomial.exponent > 0) return t.monomial.variable;
    }
    return group.front().monomial.variable;
}

TermGroup written(const Dense& value, char v) {
    TermGroup group;
    for (std::size_t k = value.size(); k-- > 0;) {
        if (value[k].numerator != 0) group.push_back(Term_XL{Monomial{value[k], k, v}, {}});
    }
    return group;
}

// The part with factor f written as (shared)(quotient).
PartPictures writtenOut(Color color, const Polynomial_XL& part, const ValueFactor& f, const Dense& shared,
                        const Dense& quotient) {
    const std::size_t root = part.terms.size() - 1;
    const char v = letterOf(part.terms[f.group]);
    std::vector<TermGroup> groups{written(shared, v)};
    Monomial takenOut{Rational{1, 1}, 0, v};
    if (quotient.size() == 1) {
        takenOut = Monomial{quotient.front(), 0, v};
    } else {
        groups.push_back(written(quotient, v));
    }
    if (f.group == root) {
        Polynomial_XL after{{part.terms.begin(), part.terms.end() - 1}};
        Term_XL newRoot{takenOut, {}};
        for (const TermGroup& group : groups) {
            newRoot.factors.push_back(Factor{after.terms.size(), 1});
            after.terms.push_back(group);
        }
        after.terms.push_back({newRoot});
        return std::array<Polynomial_XL, 2>{recolorXLPolynomial(color, part), recolorXLPolynomial(color, after)};
    }
    const std::vector<Factor>& factors = part.terms[root].front().factors;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        if (factors[k].pointer == f.group && factors[k].exponent > 0) {
            return groupWrittenAs(color, part, k, groups, takenOut);
        }
    }
    return std::nullopt;
}

// The quotient of f's value by shared, when it divides exactly.
std::optional<Dense> exactQuotient(const ValueFactor& f, const Dense& shared) {
    const std::optional<DenseDivision> division = divided(f.value, shared);
    if (!division || !division->remainder.empty()) return std::nullopt;
    return division->quotient;
}

}  // namespace

std::optional<ExpressionPictures> sharedFactorPictures(const Rational_Expression& expression) {
    const Polynomial_XL& n = expression.poly_N;
    const Polynomial_XL& d = expression.poly_D;
    if (!mayHaveWritable(n) || !mayHaveWritable(d)) return std::nullopt;
    const std::optional<std::vector<ValueFactor>> top = valueFactors(n);
    const std::optional<std::vector<ValueFactor>> bottom = valueFactors(d);
    if (!top || !bottom) return std::nullopt;
    const auto isZero = [](const ValueFactor& f) { return f.value.empty(); };
    if (std::any_of(top->begin(), top->end(), isZero) || std::any_of(bottom->begin(), bottom->end(), isZero)) {
        return std::nullopt;
    }
    for (const ValueFactor& a : *top) {
        if (!isWritable(n, a)) continue;
        for (const ValueFactor& b : *bottom) {
            if (!isWritable(d, b)) continue;
            const std::optional<Dense> shared = denseGcd(a.value, b.value);
            if (!shared || shared->size() < 2) continue;
            const std::optional<Dense> qa = exactQuotient(a, *shared);
            const std::optional<Dense> qb = exactQuotient(b, *shared);
            if (!qa || !qb) continue;
            const PartPictures numerator = writtenOut(Color::red, n, a, *shared, *qa);
            const PartPictures denominator = writtenOut(Color::blue, d, b, *shared, *qb);
            if (!numerator || !denominator) continue;
            Rational_Expression after{(*numerator)[1], (*denominator)[1]};
            // Only what the cancelling that follows takes is written out:
            // where it cannot (a product on the way does not fit), the same
            // factor would be written out again and again.
            if (!sharesFactor(after) || !cancellationPictures(after)) continue;
            return ExpressionPictures{Rational_Expression{(*numerator)[0], (*denominator)[0]}, std::move(after)};
        }
    }
    return std::nullopt;
}

}  // namespace duolinear
