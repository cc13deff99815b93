#include "algebra/AlgebraLayouts.h"

#include <string>

#include "algebra/Checked.h"
#include "algebra/DecimalText.h"
#include "algebra/TextFunctions.h"
#include "layout/JoinTexts.h"

namespace duolinear {

namespace {

// A coefficient as it is drawn. The numerator is held as sign and magnitude:
// a later term of a side is drawn with the magnitude of its numerator, and the
// magnitude of the least 64-bit value (2^63) has no signed 64-bit form.
struct DrawnCoefficient {
    bool negative = false;
    std::uint64_t magnitude = 0;
    std::int64_t denominator = 1;
    Color numeratorColor = Color::black;
    Color denominatorColor = Color::black;
    Color barColor = Color::black;
};

DrawnCoefficient drawn(const Rational& value) {
    return {value.numerator < 0,   magnitude(value.numerator), value.denominator,
            value.numerator_color, value.denominator_color,    value.bar_color};
}

std::string numeratorText(const DrawnCoefficient& c) {
    return (c.negative ? "-" : "") + std::to_string(c.magnitude);
}

double valueAsDouble(const DrawnCoefficient& c) {
    const double n = static_cast<double>(c.magnitude);
    return (c.negative ? -n : n) / static_cast<double>(c.denominator);
}

// Whether the coefficient equals +1 (or -1 with negative) by value, so 3/3 is 1
// and -2/2 is -1. An undefined coefficient (denominator 0) is neither: its
// fraction is drawn, not hidden.
bool isUnit(const DrawnCoefficient& c, bool negative) {
    if (c.denominator == 0) return false;
    const bool valueNegative = c.negative != (c.denominator < 0);
    return c.magnitude != 0 && c.magnitude == magnitude(c.denominator) && valueNegative == negative;
}

// The numerator stored as exactly +1 or -1.
bool numeratorIs(const DrawnCoefficient& c, bool negative) {
    return c.magnitude == 1 && c.negative == negative;
}

TagLayout signedRationalItem(const DrawnCoefficient& c) {
    // The builder takes signed parts. A magnitude of 2^63 has none: the sign
    // is decided by a stand-in numerator of the same sign, and the magnitude
    // text is written in afterwards (row 1 is the item's value row).
    const CheckedInt numerator = signedFromMagnitude(c.negative, c.magnitude);
    const std::int64_t standIn = numerator ? *numerator : (c.negative ? -1 : 1);
    TagLayout layout = signedRationalLayout(standIn, c.denominator, c.numeratorColor, c.numeratorColor,
                                            c.denominatorColor, c.barColor, defaultLayoutTag());
    if (!numerator) layout[1][2] = std::to_string(c.magnitude);
    return layout;
}

TagLayout coefficientLayout(const DrawnCoefficient& c, bool alwaysFraction, Style style) {
    if (style == Style::decimal) return messageLayout(decimalText(valueAsDouble(c)), c.numeratorColor);
    if (!alwaysFraction && c.denominator == 1) return messageLayout(numeratorText(c), c.numeratorColor);
    if (style == Style::rational_fraction) {
        return joinLayouts(kFractionJoin, messageLayout(numeratorText(c), c.numeratorColor),
                           messageLayout(std::to_string(c.denominator), c.denominatorColor), c.barColor);
    }
    return signedRationalItem(c);
}

std::string variableText(char variable, std::uint64_t exponent) {
    std::string text(1, variable);
    if (exponent >= 2) text += superscriptDigit(std::to_string(exponent));
    return text;
}

TagLayout termLayout(const DrawnCoefficient& c, std::uint64_t exponent, char variable, Color variableColor,
                     Style style) {
    if (exponent == 0) return coefficientLayout(c, false, style);
    const TagLayout letter = messageLayout(variableText(variable, exponent), variableColor);

    if (style == Style::fraction) {
        if (isUnit(c, false)) return letter;
        if (isUnit(c, true)) return joinLayouts(kJuxtaposeJoin, messageLayout("-", c.numeratorColor), letter);
        return joinLayouts(kJuxtaposeJoin, coefficientLayout(c, false, Style::fraction), letter);
    }

    if (style == Style::rational_fraction) {
        const std::string numerator = numeratorIs(c, false) ? "" : numeratorIs(c, true) ? "-" : numeratorText(c);
        TagLayout top = joinLayouts(kJuxtaposeJoin, messageLayout(numerator, c.numeratorColor), letter);
        if (c.denominator == 1) return top;
        return joinLayouts(kFractionJoin, top, messageLayout(std::to_string(c.denominator), c.denominatorColor),
                           c.barColor);
    }

    const double value = valueAsDouble(c);
    const std::string text = value == 1.0 ? "" : value == -1.0 ? "-" : decimalText(value);
    return joinLayouts(kJuxtaposeJoin, messageLayout(text, c.numeratorColor), letter);
}

TagLayout termLayout(const DrawnCoefficient& c, const Monomial& term, Style style) {
    return termLayout(c, term.exponent, term.variable, term.variable_color, style);
}

TagLayout sideWithFactor(std::int64_t factor, Color factorColor, const Polynomial& side, Style style) {
    return joinLayouts(kJuxtaposeJoin, messageLayout(std::to_string(factor), factorColor),
                       unaryLayout("()", polynomialLayout(side, style)));
}

}  // namespace

TagLayout rationalLayout(const Rational& value, bool alwaysFraction, Style style) {
    return coefficientLayout(drawn(value), alwaysFraction, style);
}

TagLayout monomialLayout(const Monomial& term, Style style) {
    return termLayout(drawn(term.coefficient), term, style);
}

TagLayout polynomialLayout(const Polynomial& side, Style style) {
    if (side.terms.empty()) return monomialLayout(Monomial{}, style);
    TagLayout layout = monomialLayout(side.terms.front(), style);
    for (std::size_t i = 1; i < side.terms.size(); ++i) {
        const Monomial& term = side.terms[i];
        DrawnCoefficient c = drawn(term.coefficient);
        const std::string& op = c.negative ? kMinusJoin : kPlusJoin;
        c.negative = false;
        layout = joinLayouts(op, layout, termLayout(c, term, style), term.coefficient.numerator_color);
    }
    return layout;
}

TagLayout equationLayout(const PolyEquation& equation, Style style) {
    return joinLayouts(rawValue(equation.relation), polynomialLayout(equation.LHS, style),
                       polynomialLayout(equation.RHS, style), equation.relation_color);
}

TagLayout clearedEquationLayout(const PolyEquationClear& cleared, Style style) {
    const PolyEquation& equation = cleared.equation;
    return joinLayouts(rawValue(equation.relation),
                       sideWithFactor(cleared.factor, cleared.factor_color, equation.LHS, style),
                       sideWithFactor(cleared.factor, cleared.factor_color, equation.RHS, style));
}

}  // namespace duolinear
