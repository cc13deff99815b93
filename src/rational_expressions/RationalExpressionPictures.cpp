#include "rational_expressions/RationalExpressionPictures.h"

#include "rational_expressions/FactorExtraction.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/FactoredRewrites.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/GroupRewrites.h"
#include "rational_expressions/GuessAndCheck.h"

namespace duolinear {

namespace {

using PartPictures = std::optional<std::array<Polynomial_XL, 2>>;

// The part and its rewrite, both wholly in color.
PartPictures wholly(Color color, const Polynomial_XL& part, const std::optional<Polynomial_XL>& rewritten) {
    if (!rewritten) return std::nullopt;
    return std::array<Polynomial_XL, 2>{recolorXLPolynomial(color, part), recolorXLPolynomial(color, *rewritten)};
}

// Asks rewrite(colour, part) of the numerator in red and of the denominator
// in blue, and sets the pictures over each other.
template <typename Rewrite>
std::optional<ExpressionPictures> picturesOfParts(const Rational_Expression& expression, Rewrite rewrite) {
    const Polynomial_XL& n = expression.poly_N;
    const Polynomial_XL& d = expression.poly_D;
    if (!isWellFormedPart(n) || !isWellFormedPart(d)) return std::nullopt;
    const PartPictures numerator = rewrite(Color::red, n);
    const PartPictures denominator = rewrite(Color::blue, d);
    if (!numerator && !denominator) return std::nullopt;
    const auto picture = [&](std::size_t k) {
        return Rational_Expression{numerator ? (*numerator)[k] : n, denominator ? (*denominator)[k] : d};
    };
    return ExpressionPictures{picture(0), picture(1)};
}

// zeroTermsRemoved drops a term, or a group's only term loses its factors.
bool dropsSomething(const Polynomial_XL& part, const Polynomial_XL& rewritten) {
    for (std::size_t i = 0; i < part.terms.size(); ++i) {
        const TermGroup& group = part.terms[i];
        if (group.size() != rewritten.terms[i].size()) return true;
        if (group.size() == 1 && !group.front().factors.empty() && rewritten.terms[i].front().factors.empty()) {
            return true;
        }
    }
    return false;
}

bool hasZeroCoefficient(const Polynomial_XL& part) {
    for (const TermGroup& group : part.terms) {
        for (const Term_XL& t : group) {
            if (t.monomial.coefficient.numerator == 0) return true;
        }
    }
    return false;
}

}  // namespace

std::optional<ExpressionPictures> zeroTermPictures(const Rational_Expression& expression) {
    return picturesOfParts(expression, [](Color color, const Polynomial_XL& part) -> PartPictures {
        // Without a zero coefficient there is nothing to drop: no copy.
        if (!hasZeroCoefficient(part)) return std::nullopt;
        std::optional<Polynomial_XL> rewritten = zeroTermsRemoved(false, part);
        if (!rewritten || !dropsSomething(part, *rewritten)) return std::nullopt;
        return wholly(color, part, rewritten);
    });
}

// Each rewrite takes a plain part as a whole, or the focus group of a
// product, and otherwise the first group of a product that it applies to.
std::optional<ExpressionPictures> sortedPictures(const Rational_Expression& expression) {
    return picturesOfParts(expression, [](Color color, const Polynomial_XL& part) -> PartPictures {
        if (isSortedPlainPolynomial(part)) return std::nullopt;
        if (PartPictures whole = wholly(color, part, sortedDescending(part))) return whole;
        return groupSortedPictures(color, part);
    });
}

std::optional<ExpressionPictures> factorPictures(const Rational_Expression& expression) {
    return picturesOfParts(expression, [](Color color, const Polynomial_XL& part) -> PartPictures {
        if (canFactorFocusGroup(part)) {
            if (PartPictures focus = factorFocusGroupPictures(color, part)) return focus;
        }
        return groupFactoredPictures(color, part);
    });
}

std::optional<ExpressionPictures> commonFactorPictures(const Rational_Expression& expression) {
    return picturesOfParts(expression, [](Color color, const Polynomial_XL& part) -> PartPictures {
        if (hasCommonMonomialFactor(part)) {
            if (PartPictures focus = commonFactorPictures(false, color, part)) return focus;
        }
        return groupContentPictures(color, part);
    });
}

std::optional<ExpressionPictures> negativeOnePictures(const Rational_Expression& expression) {
    return picturesOfParts(expression, [](Color color, const Polynomial_XL& part) -> PartPictures {
        if (hasNegativeLeadingCoefficient(part) && !isConstant(-1, part)) {
            if (PartPictures whole = wholly(color, part, negativeOneFactoredOut(part))) return whole;
        }
        return groupNegatedPictures(color, part);
    });
}

}  // namespace duolinear
