#include "rational_expressions/RationalExpressionQueries.h"

#include "rational_expressions/FactorExtraction.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/GuessAndCheck.h"

namespace duolinear {

bool isConstant(std::int64_t k, const Rational_Expression& expression) {
    return isConstant(k, expression.poly_N) && isConstant(1, expression.poly_D);
}

bool hasZeroDenominator(const Rational_Expression& expression) {
    return hasZeroDenominator(expression.poly_N) || hasZeroDenominator(expression.poly_D);
}

bool isSortedPlain(const Rational_Expression& expression) {
    return isSortedPlainPolynomial(expression.poly_N) && isSortedPlainPolynomial(expression.poly_D);
}

bool canFactorFocusGroup(const Rational_Expression& expression) {
    return canFactorFocusGroup(expression.poly_N) || canFactorFocusGroup(expression.poly_D);
}

bool hasCommonMonomialFactor(const Rational_Expression& expression) {
    return hasCommonMonomialFactor(expression.poly_N) || hasCommonMonomialFactor(expression.poly_D);
}

bool hasNegativeLeadingCoefficient(const Rational_Expression& expression) {
    return hasNegativeLeadingCoefficient(expression.poly_N) || hasNegativeLeadingCoefficient(expression.poly_D);
}

}  // namespace duolinear
