#include "algebra/AlgebraLayouts.h"

#include <string>
#include <utility>

#include "algebra/Checked.h"
#include "algebra/DecimalText.h"
#include "algebra/TextFunctions.h"
#include "layout/JoinTexts.h"
#include "layout/LayoutWriter.h"

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

using Item = LayoutWriter::Item;

Item writeSignedRational(LayoutWriter& writer, const DrawnCoefficient& c) {
    // The writer takes signed parts. A magnitude of 2^63 has none: the sign
    // is decided by a stand-in numerator of the same sign, and the magnitude
    // text is written in afterwards (the kind row holds sign, numerator,
    // denominator).
    const CheckedInt numerator = signedFromMagnitude(c.negative, c.magnitude);
    const std::int64_t standIn = numerator ? *numerator : (c.negative ? -1 : 1);
    const Item item = writer.signedRational(standIn, c.denominator, c.numeratorColor, c.numeratorColor,
                                            c.denominatorColor, c.barColor);
    if (!numerator) writer.row(static_cast<std::size_t>(item)).set(2, std::to_string(c.magnitude));
    return item;
}

Item writeCoefficient(LayoutWriter& writer, const DrawnCoefficient& c, bool alwaysFraction, Style style) {
    if (style == Style::decimal) return writer.message(decimalText(valueAsDouble(c)), c.numeratorColor);
    if (!alwaysFraction && c.denominator == 1) return writer.message(numeratorText(c), c.numeratorColor);
    if (style == Style::rational_fraction) {
        const Item numerator = writer.message(numeratorText(c), c.numeratorColor);
        const Item denominator = writer.message(std::to_string(c.denominator), c.denominatorColor);
        return writer.join(kFractionJoin, numerator, denominator, c.barColor);
    }
    return writeSignedRational(writer, c);
}

std::string variableText(char variable, std::uint64_t exponent) {
    std::string text(1, variable);
    if (exponent >= 2) text += superscriptDigit(std::to_string(exponent));
    return text;
}

// Each piece is written before the one to its right, the order in which the
// joins take them.
Item writeTerm(LayoutWriter& writer, const DrawnCoefficient& c, std::uint64_t exponent, char variable,
               Color variableColor, Style style) {
    if (exponent == 0) return writeCoefficient(writer, c, false, style);
    const std::string letter = variableText(variable, exponent);

    if (style == Style::fraction) {
        if (isUnit(c, false)) return writer.message(letter, variableColor);
        const Item coefficient = isUnit(c, true) ? writer.message("-", c.numeratorColor)
                                                 : writeCoefficient(writer, c, false, Style::fraction);
        return writer.join(kJuxtaposeJoin, coefficient, writer.message(letter, variableColor));
    }

    if (style == Style::rational_fraction) {
        const std::string numerator = numeratorIs(c, false) ? "" : numeratorIs(c, true) ? "-" : numeratorText(c);
        const Item numeratorItem = writer.message(numerator, c.numeratorColor);
        const Item top = writer.join(kJuxtaposeJoin, numeratorItem, writer.message(letter, variableColor));
        if (c.denominator == 1) return top;
        const Item denominator = writer.message(std::to_string(c.denominator), c.denominatorColor);
        return writer.join(kFractionJoin, top, denominator, c.barColor);
    }

    const double value = valueAsDouble(c);
    const std::string text = value == 1.0 ? "" : value == -1.0 ? "-" : decimalText(value);
    const Item coefficient = writer.message(text, c.numeratorColor);
    return writer.join(kJuxtaposeJoin, coefficient, writer.message(letter, variableColor));
}

Item writeTerm(LayoutWriter& writer, const DrawnCoefficient& c, const Monomial& term, Style style) {
    return writeTerm(writer, c, term.exponent, term.variable, term.variable_color, style);
}

Item writeSideWithFactor(LayoutWriter& writer, std::int64_t factor, Color factorColor, const Polynomial& side,
                         Style style) {
    const Item factorItem = writer.message(std::to_string(factor), factorColor);
    const Item bracketed = writer.unary("()", writePolynomial(writer, side, style));
    return writer.join(kJuxtaposeJoin, factorItem, bracketed);
}

// At least as many rows as a term takes (a reserve, so an overestimate
// costs only room).
std::size_t termRows(const Monomial& term, Style style) {
    const bool stacked = style == Style::rational_fraction && term.coefficient.denominator != 1;
    if (term.exponent == 0) return stacked ? 10 : 3;
    return stacked ? 17 : 10;
}

std::size_t sideRows(const Polynomial& side, Style style) {
    std::size_t rows = 3;
    for (const Monomial& term : side.terms) rows += termRows(term, style) + 4;
    return rows;
}

}  // namespace

LayoutWriter::Item writeRational(LayoutWriter& writer, const Rational& value, bool alwaysFraction, Style style) {
    return writeCoefficient(writer, drawn(value), alwaysFraction, style);
}

LayoutWriter::Item writeMonomial(LayoutWriter& writer, const Monomial& term, Style style) {
    return writeTerm(writer, drawn(term.coefficient), term, style);
}

LayoutWriter::Item writePolynomial(LayoutWriter& writer, const Polynomial& side, Style style) {
    if (side.terms.empty()) return writeMonomial(writer, Monomial{}, style);
    Item item = writeMonomial(writer, side.terms.front(), style);
    for (std::size_t i = 1; i < side.terms.size(); ++i) {
        const Monomial& term = side.terms[i];
        DrawnCoefficient c = drawn(term.coefficient);
        const std::string& op = c.negative ? kMinusJoin : kPlusJoin;
        c.negative = false;
        item = writer.join(op, item, writeTerm(writer, c, term, style), term.coefficient.numerator_color);
    }
    return item;
}

LayoutWriter::Item writeEquation(LayoutWriter& writer, const PolyEquation& equation, Style style) {
    const Item left = writePolynomial(writer, equation.LHS, style);
    const Item right = writePolynomial(writer, equation.RHS, style);
    return writer.join(rawValue(equation.relation), left, right, equation.relation_color);
}

TagLayout rationalLayout(const Rational& value, bool alwaysFraction, Style style) {
    LayoutWriter writer(10);
    const Item root = writeRational(writer, value, alwaysFraction, style);
    return std::move(writer).finish(root);
}

TagLayout monomialLayout(const Monomial& term, Style style) {
    LayoutWriter writer(termRows(term, style));
    const Item root = writeMonomial(writer, term, style);
    return std::move(writer).finish(root);
}

TagLayout polynomialLayout(const Polynomial& side, Style style) {
    LayoutWriter writer(sideRows(side, style));
    const Item root = writePolynomial(writer, side, style);
    return std::move(writer).finish(root);
}

TagLayout equationLayout(const PolyEquation& equation, Style style) {
    LayoutWriter writer(sideRows(equation.LHS, style) + sideRows(equation.RHS, style) + 4);
    const Item root = writeEquation(writer, equation, style);
    return std::move(writer).finish(root);
}

TagLayout clearedEquationLayout(const PolyEquationClear& cleared, Style style) {
    return clearedEquationLayout(cleared.factor, cleared.factor_color, cleared.equation, style);
}

TagLayout clearedEquationLayout(std::int64_t factor, Color factorColor, const PolyEquation& equation, Style style) {
    LayoutWriter writer(sideRows(equation.LHS, style) + sideRows(equation.RHS, style) + 24);
    const Item left = writeSideWithFactor(writer, factor, factorColor, equation.LHS, style);
    const Item right = writeSideWithFactor(writer, factor, factorColor, equation.RHS, style);
    return std::move(writer).finish(writer.join(rawValue(equation.relation), left, right));
}

}  // namespace duolinear
