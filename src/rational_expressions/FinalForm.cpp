#include "rational_expressions/FinalForm.h"

#include <algorithm>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "rational_expressions/CommonFactorCancelling.h"
#include "rational_expressions/DensePolynomials.h"
#include "rational_expressions/FactorExtraction.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/GuessAndCheck.h"
#include "rational_expressions/MonomialSplit.h"
#include "rational_expressions/RationalExpressionQueries.h"
#include "rational_expressions/SharedFactors.h"

namespace duolinear {

namespace {

using Pictures = std::optional<std::vector<Rational_Expression>>;

bool isPlainMonomial(const Polynomial_XL& part) {
    return part.terms.size() == 1 && part.terms[0].size() == 1 && part.terms[0].front().factors.empty();
}

bool isSettled(const Polynomial_XL& part) {
    return isSortedPlainPolynomial(part) &&
           rationalSignClass(part.terms.back().front().monomial.coefficient) == false &&
           !hasCommonMonomialFactor(part) && !canFactorFocusGroup(part);
}

// 0/1 in the numerator's letter.
Rational_Expression zeroOverOne(char letter) {
    return Rational_Expression{Polynomial_XL{{{Term_XL{Monomial{Rational{0, 1}, 0, letter}, {}}}}},
                               Polynomial_XL{{{Term_XL{Monomial{Rational{1, 1}, 0, letter}, {}}}}}};
}

// The part with its root term's coefficient negated (black, denominator
// kept); its power, letter and factors stay.
std::optional<Polynomial_XL> rootNegated(const Polynomial_XL& part) {
    Polynomial_XL result = part;
    Monomial& m = result.terms.back().front().monomial;
    const CheckedInt numerator = checkedNegate(m.coefficient.numerator);
    if (!numerator) return std::nullopt;
    m = Monomial{Rational{*numerator, m.coefficient.denominator}, m.exponent, m.variable};
    return result;
}

Pictures monomialOverMonomial(const Rational_Expression& expression) {
    const Monomial& n = expression.poly_N.terms.back().front().monomial;
    const Monomial& d = expression.poly_D.terms.back().front().monomial;
    if (n.coefficient.numerator == 0) return std::vector{expression, zeroOverOne(n.variable)};
    // In lowest terms: 2/2 over 2/2·x has nothing left in common.
    const std::optional<Rational> top = reducedRational(n.coefficient);
    const std::optional<Rational> bottom = reducedRational(d.coefficient);
    if (!top || !bottom) return std::nullopt;
    const std::optional<std::int64_t> g = gcd(top->numerator, bottom->numerator);
    if (g != 1 || std::min(n.exponent, d.exponent) != 0) return std::nullopt;
    if (d.coefficient.numerator >= 0) return std::vector{expression};
    std::optional<Polynomial_XL> numerator = rootNegated(expression.poly_N);
    std::optional<Polynomial_XL> denominator = rootNegated(expression.poly_D);
    if (!numerator || !denominator) return std::nullopt;
    return std::vector{expression, Rational_Expression{std::move(*numerator), std::move(*denominator)}};
}

Pictures sumOverMonomial(const Rational_Expression& expression) {
    const Polynomial_XL& n = expression.poly_N;
    const Term_XL& d = expression.poly_D.terms.back().front();
    if (d.monomial.coefficient.numerator >= 0) return std::vector{expression};
    // −(N) over the denominator times −1.
    const Term_XL minusOne{Monomial{Rational{-1, 1}, 0}, {Factor{0, 1}}};
    const std::optional<Rational> negated = rationalProduct(Rational{-1, 1}, d.monomial.coefficient);
    if (!negated) return std::nullopt;
    Polynomial_XL denominator = expression.poly_D;
    denominator.terms.back().front().monomial = Monomial{*negated, d.monomial.exponent, d.monomial.variable};
    return std::vector{expression, Rational_Expression{Polynomial_XL{{n.terms[0], {minusOne}}}, denominator}};
}

// The numerator multiplied out is 0, however it is written.
bool isWorthZero(const Polynomial_XL& numerator) {
    const std::optional<Dense> value = GroupValues(numerator).group(numerator.terms.size() - 1);
    return value && value->empty();
}

Pictures closingPictures(const Rational_Expression& expression) {
    const Polynomial_XL& n = expression.poly_N;
    const Polynomial_XL& d = expression.poly_D;
    if (!(isPlainMonomial(n) && isPlainMonomial(d)) &&
        (sharesFactor(expression) || splitCommonMonomialPictures(expression))) {
        return std::nullopt;
    }
    // However the parts are written, their values must have nothing left in
    // common; what cannot be decided is not shown to be final.
    if (sharesFactorOrConstant(n, d) != false) return std::nullopt;
    const bool oneOnTop = n.terms.back().size() == 1;
    const bool oneBelow = d.terms.back().size() == 1;
    if (oneOnTop && oneBelow) return monomialOverMonomial(expression);
    if (oneOnTop) {
        if (!isSettled(d)) return std::nullopt;
        const Monomial& top = n.terms.back().front().monomial;
        if (top.coefficient.numerator == 0) return std::vector{expression, zeroOverOne(top.variable)};
        return std::vector{expression};
    }
    if (!isSettled(n)) return std::nullopt;
    if (oneBelow) return sumOverMonomial(expression);
    if (!isSettled(d)) return std::nullopt;
    return std::vector{expression};
}

}  // namespace

std::optional<std::vector<Rational_Expression>> finalFormPictures(const Rational_Expression& expression) {
    const Polynomial_XL& n = expression.poly_N;
    if (!isWellFormedPart(n) || !isWellFormedPart(expression.poly_D) || hasZeroDenominator(expression)) {
        return std::nullopt;
    }
    Pictures pictures = closingPictures(expression);
    // A final numerator worth 0, whatever its shape, closes with 0/1.
    if (pictures && isWorthZero(n)) {
        pictures->resize(1);
        pictures->push_back(zeroOverOne(n.terms.back().front().monomial.variable));
    }
    return pictures;
}

}  // namespace duolinear
