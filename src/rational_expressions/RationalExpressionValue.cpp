#include "rational_expressions/RationalExpressionValue.h"

#include "algebra/Options.h"
#include "layout/JoinTexts.h"
#include "rational_expressions/FactoredLayout.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/FactoredRewrites.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

namespace {

// The root group of a part; "unexpected error" where it has no rows to join.
TagLayout partLayout(const Polynomial_XL& part) {
    if (part.terms.empty() || part.terms.back().empty()) return messageLayout("unexpected error");
    return xlRootLayout(Style::rational_fraction, part);
}

}  // namespace

bool isWellFormedPart(const Polynomial_XL& part) {
    if (part.terms.empty()) return false;
    for (const TermGroup& group : part.terms) {
        if (group.empty()) return false;
    }
    return pointersPointBack(part);
}

bool sameMonomialValue(const Monomial& a, const Monomial& b) {
    return rationalEquals(a.coefficient, b.coefficient) && a.exponent == b.exponent &&
           (a.exponent == 0 || a.variable == b.variable);
}

bool alike(const TermGroup& a, const TermGroup& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!a[i].factors.empty() || !b[i].factors.empty() || !sameMonomialValue(a[i].monomial, b[i].monomial)) {
            return false;
        }
    }
    return true;
}

TagLayout rationalExpressionTags(const Rational_Expression& expression, bool forceFraction) {
    if (!forceFraction && isConstant(1, expression.poly_D)) return partLayout(expression.poly_N);
    return joinLayouts(kFractionJoin, partLayout(expression.poly_N), partLayout(expression.poly_D), expression.color);
}

Rational_Expression recolored(const Rational_Expression& expression, Color color) {
    return Rational_Expression{recolorXLPolynomial(color, expression.poly_N),
                               recolorXLPolynomial(color, expression.poly_D), color};
}

Rational_Expression recolored(const Rational_Expression& expression, Color numeratorColor, Color denominatorColor) {
    return Rational_Expression{recolorXLPolynomial(numeratorColor, expression.poly_N),
                               recolorXLPolynomial(denominatorColor, expression.poly_D), expression.color};
}

std::optional<Rational_Expression> zeroTermsRemoved(const Rational_Expression& expression) {
    std::optional<Polynomial_XL> numerator = zeroTermsRemoved(false, expression.poly_N);
    std::optional<Polynomial_XL> denominator = zeroTermsRemoved(false, expression.poly_D);
    if (!numerator || !denominator) return std::nullopt;
    return Rational_Expression{std::move(*numerator), std::move(*denominator)};
}

Outcome<Rational_Expression> transformBothParts(bool negate, const Rational_Expression& expression) {
    using Result = Outcome<Rational_Expression>;
    Outcome<Polynomial_XL> numerator = monomialFactorsAbsorbed(negate, expression.poly_N);
    Outcome<Polynomial_XL> denominator = monomialFactorsAbsorbed(negate, expression.poly_D);
    if (numerator.failed || denominator.failed) return Result::failure();
    if (!numerator.value && !denominator.value) return Result::nothing();
    return Result::of(Rational_Expression{numerator.value.value_or(expression.poly_N),
                                          denominator.value.value_or(expression.poly_D)});
}

}  // namespace duolinear
