#include "rational_expressions/CommonFactorCancelling.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "rational_expressions/DensePolynomials.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/GroupRewrites.h"

namespace duolinear {

namespace {

// One factor of the whole of a part: a group (the root group stands for the
// root term's own monomial when the root is one term) and its power.
struct PartFactor {
    std::size_t group = 0;
    std::uint64_t power = 0;
    std::uint64_t cancelled = 0;
};

const Monomial kOne{Rational{1, 1}, 0};

bool hasFactors(const TermGroup& group) {
    return std::any_of(group.begin(), group.end(), [](const Term_XL& t) { return !t.factors.empty(); });
}

bool isConstantOne(const TermGroup& group) {
    return group.size() == 1 && sameMonomialValue(group.front().monomial, kOne);
}

// The factors of the whole of a well-formed part, in the order of their
// groups; none when a sum of powers does not fit.
std::optional<std::vector<PartFactor>> factorsOf(const Polynomial_XL& part) {
    const std::size_t root = part.terms.size() - 1;
    const TermGroup& rootGroup = part.terms[root];
    if (rootGroup.size() > 1) {
        return std::vector<PartFactor>{{root, 1}};
    }
    std::map<std::size_t, std::uint64_t> powers;
    for (const Factor& f : rootGroup.front().factors) {
        std::uint64_t& power = powers[f.pointer];
        if (__builtin_add_overflow(power, f.exponent, &power)) return std::nullopt;
    }
    std::vector<PartFactor> factors;
    for (const auto& [group, power] : powers) {
        const TermGroup& terms = part.terms[group];
        if (power > 0 && !hasFactors(terms) && !isConstantOne(terms)) factors.push_back({group, power});
    }
    if (!sameMonomialValue(rootGroup.front().monomial, kOne)) factors.push_back({root, 1});
    return factors;
}

// The terms a factor stands for: the root term's monomial alone, or the group.
TermGroup termsOf(const Polynomial_XL& part, const PartFactor& factor) {
    const TermGroup& group = part.terms[factor.group];
    if (factor.group + 1 == part.terms.size() && group.size() == 1) return {Term_XL{group.front().monomial, {}}};
    return group;
}

// Terms without factors whose sum is 0, or cannot be found: a factor worth
// 0 leaves the quotient without a value, and is never cancelled. Terms of
// distinct powers are worth 0 only when each is.
bool mayBeZero(const TermGroup& terms) {
    bool distinct = true;
    for (std::size_t i = 0; i < terms.size() && distinct; ++i) {
        for (std::size_t j = i + 1; j < terms.size() && distinct; ++j) {
            distinct = terms[i].monomial.exponent != terms[j].monomial.exponent;
        }
    }
    if (distinct) {
        return std::all_of(terms.begin(), terms.end(),
                           [](const Term_XL& t) { return t.monomial.coefficient.numerator == 0; });
    }
    const Polynomial_XL alone{{terms}};
    const std::optional<Dense> value = GroupValues(alone).group(0);
    return !value || value->empty();
}

struct Plan {
    std::vector<PartFactor> numerator;
    std::vector<PartFactor> denominator;
    bool any = false;
};

// Moves a cancelled group 0 onto the root's own monomial when the two are
// the same single monomial, so that the mark falls on the coefficient in
// front (it also reaches a group 0 left behind by absorbing, which nothing
// names any more).
void preferRootMonomial(const Polynomial_XL& part, std::vector<PartFactor>& factors) {
    const std::size_t root = part.terms.size() - 1;
    if (root == 0 || factors.size() < 2 || part.terms[0].size() != 1 || part.terms[root].size() != 1) return;
    PartFactor& first = factors.front();
    PartFactor& own = factors.back();
    if (first.group != 0 || first.cancelled == 0 || own.group != root || own.cancelled != 0) return;
    if (!sameMonomialValue(part.terms[0].front().monomial, part.terms[root].front().monomial)) return;
    --first.cancelled;
    own.cancelled = 1;
}

std::optional<Plan> cancellingPlan(const Rational_Expression& expression) {
    const Polynomial_XL& n = expression.poly_N;
    const Polynomial_XL& d = expression.poly_D;
    if (!isWellFormedPart(n) || !isWellFormedPart(d)) return std::nullopt;
    std::optional<std::vector<PartFactor>> numerator = factorsOf(n);
    std::optional<std::vector<PartFactor>> denominator = factorsOf(d);
    if (!numerator || !denominator) return std::nullopt;
    Plan plan{std::move(*numerator), std::move(*denominator)};
    for (PartFactor& top : plan.numerator) {
        const TermGroup terms = termsOf(n, top);
        for (PartFactor& bottom : plan.denominator) {
            if (bottom.cancelled == bottom.power || !alike(terms, termsOf(d, bottom)) || mayBeZero(terms)) continue;
            const std::uint64_t amount = std::min(top.power - top.cancelled, bottom.power - bottom.cancelled);
            top.cancelled += amount;
            bottom.cancelled += amount;
            plan.any = true;
        }
    }
    preferRootMonomial(n, plan.numerator);
    preferRootMonomial(d, plan.denominator);
    return plan;
}

std::uint64_t cancelledFrom(const std::vector<PartFactor>& factors, std::size_t group) {
    for (const PartFactor& f : factors) {
        if (f.group == group) return f.cancelled;
    }
    return 0;
}

// The part with its cancelled groups, and the references to them, in color.
Polynomial_XL markedPart(const Polynomial_XL& part, const std::vector<PartFactor>& factors, Color color) {
    Polynomial_XL marked = part;
    const std::size_t root = part.terms.size() - 1;
    for (const PartFactor& f : factors) {
        if (f.cancelled == 0) continue;
        if (f.group == root && part.terms[root].size() == 1) {
            Monomial& own = marked.terms[root].front().monomial;
            own = recoloredMonomial(color, own);
            continue;
        }
        for (Term_XL& term : marked.terms[f.group]) term = termRecolored(color, term);
    }
    if (marked.terms[root].size() == 1) {
        for (Factor& f : marked.terms[root].front().factors) {
            if (cancelledFrom(factors, f.pointer) > 0) f = factorRecolored(color, f);
        }
    }
    return marked;
}

// The marked part with what cancelled taken away.
Polynomial_XL cancelledPart(const Polynomial_XL& part, const Polynomial_XL& marked,
                            const std::vector<PartFactor>& factors) {
    const std::size_t root = part.terms.size() - 1;
    if (part.terms[root].size() > 1) return Polynomial_XL{{{Term_XL{kOne, {}}}}};
    Polynomial_XL result = marked;
    Term_XL& term = result.terms[root].front();
    if (cancelledFrom(factors, root) > 0) term.monomial = kOne;
    std::map<std::size_t, std::uint64_t> left;
    for (const PartFactor& f : factors) left[f.group] = f.cancelled;
    term.factors.clear();
    for (const Factor& f : part.terms[root].front().factors) {
        std::uint64_t& toCancel = left[f.pointer];
        const std::uint64_t taken = std::min(toCancel, f.exponent);
        toCancel -= taken;
        if (taken > 0 && f.exponent == taken) continue;
        term.factors.push_back(Factor{f.pointer, f.exponent - taken, f.parenthesis_color, f.exponent_color});
    }
    return result;
}

// The root of the denominator is −1, or 1 times a first factor whose group
// is the single term −1.
bool hasNegativeDenominator(const Polynomial_XL& denominator) {
    const TermGroup& root = denominator.terms.back();
    if (root.size() != 1) return false;
    const Term_XL& t = root.front();
    if (rationalEquals(t.monomial.coefficient, Rational{-1, 1})) return true;
    if (!rationalEquals(t.monomial.coefficient, Rational{1, 1}) || t.factors.empty()) return false;
    const TermGroup& first = denominator.terms[t.factors.front().pointer];
    return first.size() == 1 && rationalEquals(first.front().monomial.coefficient, Rational{-1, 1});
}

}  // namespace

bool sharesFactor(const Rational_Expression& expression) {
    const std::optional<Plan> plan = cancellingPlan(expression);
    return plan && plan->any;
}

std::optional<ExpressionPictures> cancellationPictures(const Rational_Expression& expression) {
    const std::optional<Plan> plan = cancellingPlan(expression);
    if (!plan) return std::nullopt;
    if (!plan->any) {
        const Outcome<Rational_Expression> tidied =
            transformBothParts(hasNegativeDenominator(expression.poly_D), expression);
        if (tidied.value) return ExpressionPictures{expression, *tidied.value};
        if (tidied.failed) return std::nullopt;
        // One-term groups that are not leading (a constant left by factoring)
        // would hide the root's own monomial from the monomial split.
        const std::optional<Polynomial_XL> numerator = oneTermGroupsAbsorbed(expression.poly_N);
        const std::optional<Polynomial_XL> denominator = oneTermGroupsAbsorbed(expression.poly_D);
        if (!numerator && !denominator) return std::nullopt;
        return ExpressionPictures{expression, Rational_Expression{numerator.value_or(expression.poly_N),
                                                                  denominator.value_or(expression.poly_D)}};
    }
    const Polynomial_XL& n = expression.poly_N;
    const Polynomial_XL& d = expression.poly_D;
    const Polynomial_XL markedN = markedPart(n, plan->numerator, Color::red);
    const Polynomial_XL markedD = markedPart(d, plan->denominator, Color::blue);
    const Rational_Expression after{cancelledPart(n, markedN, plan->numerator),
                                    cancelledPart(d, markedD, plan->denominator)};
    const Outcome<Rational_Expression> tidied = transformBothParts(hasNegativeDenominator(after.poly_D), after);
    if (tidied.failed) return std::nullopt;
    return ExpressionPictures{Rational_Expression{markedN, markedD}, tidied.value.value_or(after)};
}

}  // namespace duolinear
