#include "linear_steps/ExtendedPolynomialLayout.h"

#include <cstdint>
#include <limits>
#include <string>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Checked.h"
#include "algebra/TextFunctions.h"
#include "layout/JoinTexts.h"

namespace duolinear {

namespace {

const std::string kBrackets = "()";

TagLayout unexpectedError() {
    return messageLayout("unexpected error");
}

// The value of the monomial is the constant `value` (an undefined coefficient
// is no constant: its fraction is drawn).
bool isConstant(const Monomial& m, std::int64_t value) {
    return m.exponent == 0 && rationalEquals(m.coefficient, Rational{value, 1}, false);
}

// rational_fraction: sign, number, letter and power as separate messages; the
// number is left out for a coefficient ±1 of a power of the letter.
TagLayout rationalFractionTermLayout(const Monomial& m, bool withSign) {
    const Rational& c = m.coefficient;
    const std::uint64_t size = magnitude(c.numerator);
    const bool hasLetter = m.exponent != 0;
    const std::vector<ColoredText> pieces{
        {withSign && c.numerator < 0 ? "-" : "", c.numerator_color},
        {size == 1 && hasLetter ? "" : std::to_string(size), c.numerator_color},
        {hasLetter ? std::string(1, m.variable) : "", m.variable_color},
        {m.exponent >= 2 ? superscriptDigit(std::to_string(m.exponent)) : "", m.variable_color},
    };
    const TagLayout top = messagesLayout(pieces).value_or(messageLayout(""));
    if (c.denominator == 1) return top;
    return joinLayouts(kFractionJoin, top, messageLayout(std::to_string(c.denominator), c.denominator_color),
                       c.numerator_color);
}

// The monomial drawn with the magnitude of its numerator: a term after the
// first, whose sign the join in front of it shows. The magnitude of the least
// 64-bit value has no signed form: it is drawn from its neighbour and its
// text written in afterwards.
TagLayout unsignedTermLayout(const Monomial& m, Style style) {
    if (style == Style::rational_fraction) return rationalFractionTermLayout(m, false);
    if (m.coefficient.numerator >= 0) return monomialLayout(m, style);
    Monomial positive = m;
    const CheckedInt negated = checkedNegate(m.coefficient.numerator);
    positive.coefficient.numerator = negated.value_or(std::numeric_limits<std::int64_t>::max());
    TagLayout layout = monomialLayout(positive, style);
    if (negated) return layout;
    const std::string standIn = std::to_string(std::numeric_limits<std::int64_t>::max());
    for (TagRow& row : layout) {
        for (std::string& text : row) {
            if (text != standIn) continue;
            text = std::to_string(magnitude(m.coefficient.numerator));
            return layout;
        }
    }
    return layout;
}

TagLayout termLayout(const Monomial& m, Style style, bool first) {
    if (first) return termMonomialLayout(Term{m, SubExpression{}}, style);
    return unsignedTermLayout(m, style);
}

TagLayout besideBrackets(const TagLayout& multiplier, const TagLayout& bracketed) {
    return joinLayouts(kJuxtaposeJoin, multiplier, bracketed);
}

// A bracket term in the fraction style. negative is the sign that the join
// in front of a later term shows.
TagLayout fractionBracketPiece(const Term& t, bool first, const TagLayout& bracketed, bool& negative) {
    const Monomial& m = t.monomial;
    const bool one = isConstant(m, 1);
    const bool minusOne = isConstant(m, -1);
    if (!first && (one || minusOne)) {
        // Nothing of the coefficient is drawn, so the join carries the sign of
        // its value: a stored 1/-1 is a minus.
        negative = minusOne;
        return bracketed;
    }
    if (first && one) return bracketed;
    if (first && minusOne) return besideBrackets(messageLayout("-", m.coefficient.numerator_color), bracketed);
    return besideBrackets(termLayout(m, Style::fraction, first), bracketed);
}

// A bracket term in rational_fraction or decimal: the multiplier without its
// denominator, which then goes under the whole product.
TagLayout stackedBracketPiece(const Term& t, bool first, Style style, const TagLayout& inner,
                              const TagLayout& bracketed) {
    const Monomial& m = t.monomial;
    const Rational& c = m.coefficient;
    TagLayout piece;
    if (magnitude(c.numerator) != 1 || m.exponent != 0) {
        const Monomial multiplier{Rational{c.numerator, 1, c.numerator_color, Color::black, Color::black}, m.exponent,
                                  m.variable, m.variable_color};
        piece = besideBrackets(termLayout(multiplier, style, first), bracketed);
    } else if (first && c.numerator == -1) {
        piece = besideBrackets(messageLayout("-", c.numerator_color), bracketed);
    } else if (!first && c.denominator == 1) {
        piece = bracketed;
    } else {
        piece = inner;
    }
    if (c.denominator == 1) return piece;
    const Monomial denominator{Rational{c.denominator, 1, c.denominator_color, Color::black, Color::black}, 0};
    return joinLayouts(kFractionJoin, piece, termMonomialLayout(Term{denominator, SubExpression{}}, style),
                       c.bar_color);
}

}  // namespace

TagLayout termMonomialLayout(const Term& term, Style style) {
    if (style == Style::rational_fraction) return rationalFractionTermLayout(term.monomial, true);
    return monomialLayout(term.monomial, style);
}

TagLayout extPolynomialLayout(std::size_t group, Style style, const Ext_polynomial& side) {
    if (group >= side.terms.size()) return unexpectedError();
    TagLayout result;
    const std::vector<Term>& terms = side.terms[group];
    for (std::size_t j = 0; j < terms.size(); ++j) {
        const Term& t = terms[j];
        const bool first = j == 0;
        bool negative = t.monomial.coefficient.numerator < 0;
        TagLayout piece;
        if (!t.sub_exp.multiplies) {
            piece = termLayout(t.monomial, style, first);
        } else {
            // Only groups before this one can be inside it; anything else
            // would send the drawing round in a circle.
            const TagLayout inner = t.sub_exp.index < group
                                        ? extPolynomialLayout(static_cast<std::size_t>(t.sub_exp.index), style, side)
                                        : unexpectedError();
            const TagLayout bracketed = unaryLayout(kBrackets, inner, t.sub_exp_parenthesis_color);
            piece = style == Style::fraction ? fractionBracketPiece(t, first, bracketed, negative)
                                             : stackedBracketPiece(t, first, style, inner, bracketed);
        }
        result = first ? std::move(piece)
                       : joinLayouts(negative ? kMinusJoin : kPlusJoin, result, piece,
                                     t.monomial.coefficient.numerator_color);
    }
    return result;
}

TagLayout extEquationLayout(Style style, const Ext_polyEquation& equation) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return unexpectedError();
    return joinLayouts(
        rawValue(equation.relation), extPolynomialLayout(equation.LHS.terms.size() - 1, style, equation.LHS),
        extPolynomialLayout(equation.RHS.terms.size() - 1, style, equation.RHS), equation.relation_color);
}

}  // namespace duolinear
