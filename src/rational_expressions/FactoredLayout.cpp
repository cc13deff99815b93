#include "rational_expressions/FactoredLayout.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Checked.h"
#include "algebra/TextFunctions.h"
#include "layout/JoinTexts.h"

namespace duolinear {

namespace {

const std::string kBrackets = "()";
const std::string kPowerJoin = "^";

TagLayout unexpectedError() {
    return messageLayout("unexpected error");
}

// The value of the monomial is the constant k; an undefined coefficient is
// no constant (its fraction is drawn). The letter of a constant is not drawn,
// so it plays no part.
bool isConstant(const Monomial& m, std::int64_t k) {
    return m.exponent == 0 && rationalEquals(m.coefficient, Rational{k, 1}, false);
}

// draw(m) for the monomial with its numerator replaced by its magnitude. The
// magnitude of the least 64-bit value has no signed form: the monomial is
// drawn with the greatest value and the true text written in afterwards.
template <typename Draw>
TagLayout magnitudeLayout(Monomial m, Draw draw) {
    const CheckedInt size = checkedAbs(m.coefficient.numerator);
    m.coefficient.numerator = size.value_or(std::numeric_limits<std::int64_t>::max());
    TagLayout layout = draw(m);
    if (size) return layout;
    const std::string standIn = std::to_string(std::numeric_limits<std::int64_t>::max());
    for (TagRow& row : layout) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (row[k] != standIn) continue;
            row.set(k, std::to_string(magnitude(std::numeric_limits<std::int64_t>::min())));
            return layout;
        }
    }
    return layout;
}

TagLayout besideEachOther(const TagLayout& left, const TagLayout& right) {
    return joinLayouts(kJuxtaposeJoin, left, right);
}

// The exponent of a factor as an integer item (its text written directly, so
// that every unsigned value is drawn as it is).
TagLayout exponentLayout(const Factor& factor) {
    TagLayout layout = integerLayout(0, factor.exponent_color);
    layout[1].set(1, std::to_string(factor.exponent));
    return layout;
}

// Draws a monomial in one style.
struct PlainDrawer {
    Style style;
    TagLayout operator()(const Monomial& m) const { return monomialLayout(m, style); }
};

class GroupDrawer {
public:
    GroupDrawer(const Polynomial_XL& polynomial, Style style)
        : groups_(polynomial.terms), style_(style), drawing_(polynomial.terms.size(), false) {}

    TagLayout group(std::size_t index) {
        if (index >= groups_.size()) return unexpectedError();
        drawing_[index] = true;
        TagLayout result;
        const std::vector<Term_XL>& terms = groups_[index];
        for (std::size_t k = 0; k < terms.size(); ++k) {
            const Term_XL term = withoutOnes(terms[k]);
            const Rational& c = term.monomial.coefficient;
            const bool first = k == 0;
            bool negative = c.numerator < 0;
            TagLayout piece;
            if (term.factors.empty()) {
                piece =
                    first ? monomialLayout(term.monomial, style_) : magnitudeLayout(term.monomial, PlainDrawer{style_});
            } else if (style_ == Style::fraction) {
                piece = fractionTerm(term, first, negative);
            } else {
                piece = stackedTerm(term, first);
            }
            result = first ? std::move(piece)
                           : joinLayouts(negative ? kMinusJoin : kPlusJoin, result, piece, c.numerator_color);
        }
        drawing_[index] = false;
        return result;
    }

private:
    // The term without its brackets around the constant 1 (what factoring
    // or cancelling may leave), as a coefficient 1 is not drawn either.
    Term_XL withoutOnes(const Term_XL& term) const {
        Term_XL result = term;
        std::erase_if(result.factors, [this](const Factor& f) {
            if (f.pointer >= groups_.size() || groups_[f.pointer].size() != 1) return false;
            const Term_XL& only = groups_[f.pointer].front();
            return only.factors.empty() && isConstant(only.monomial, 1);
        });
        return result;
    }

    // The group a factor names, drawn without brackets.
    TagLayout named(std::uint64_t pointer) {
        if (pointer >= groups_.size() || drawing_[pointer] || groups_[pointer].empty()) return unexpectedError();
        if (drawn_ >= kMaxDrawnGroups) return unexpectedError();
        ++drawn_;
        return group(static_cast<std::size_t>(pointer));
    }

    // The product of the bracketed groups, after an empty message.
    TagLayout product(const std::vector<Factor>& factors) {
        TagLayout result = messageLayout("");
        for (const Factor& f : factors) {
            const TagLayout bracketed = unaryLayout(kBrackets, named(f.pointer), f.parenthesis_color);
            const TagLayout piece = f.exponent == 1 ? bracketed : joinLayouts(kPowerJoin, bracketed, exponentLayout(f));
            result = besideEachOther(result, piece);
        }
        return result;
    }

    // A bracket term in the fraction style. A later coefficient of value ±1
    // is not drawn, so the join in front of it carries the sign of its value.
    TagLayout fractionTerm(const Term_XL& term, bool first, bool& negative) {
        const Monomial& m = term.monomial;
        const bool one = isConstant(m, 1);
        const bool minusOne = isConstant(m, -1);
        const TagLayout p = product(term.factors);
        if (!first && (one || minusOne)) {
            negative = minusOne;
            return p;
        }
        if (first && one) return p;
        if (first && minusOne) return besideEachOther(messageLayout("-", m.coefficient.numerator_color), p);
        if (first) return besideEachOther(monomialLayout(m, Style::fraction), p);
        return besideEachOther(magnitudeLayout(m, PlainDrawer{style_}), p);
    }

    // A bracket term in rational_fraction or decimal: the coefficient's
    // numerator before the product, the whole over its denominator.
    TagLayout stackedTerm(const Term_XL& term, bool first) {
        const Monomial& m = term.monomial;
        const Rational& c = m.coefficient;
        TagLayout result;
        if (magnitude(c.numerator) == 1 && m.exponent == 0) {
            if (first && c.numerator == -1) {
                result = besideEachOther(messageLayout("-", c.numerator_color), product(term.factors));
            } else if (!first && c.denominator == 1) {
                result = product(term.factors);
            } else if (term.factors.size() == 1 && term.factors[0].exponent == 1) {
                result = named(term.factors[0].pointer);
            } else {
                result = product(term.factors);
            }
        } else {
            const Monomial numerator{Rational{c.numerator, 1, c.numerator_color, Color::black, Color::black},
                                     m.exponent, m.variable, m.variable_color};
            const auto coefficient = [style = style_](const Monomial& n) { return xlCoefficientLayout(n, style); };
            const TagLayout piece = first ? coefficient(numerator) : magnitudeLayout(numerator, coefficient);
            result = besideEachOther(piece, product(term.factors));
        }
        if (c.denominator == 1) return result;
        const Monomial denominator{Rational{c.denominator, 1, c.denominator_color, Color::black, Color::black}, 0};
        return joinLayouts(kFractionJoin, result, xlCoefficientLayout(denominator, style_), c.bar_color);
    }

    const std::vector<std::vector<Term_XL>>& groups_;
    Style style_;
    std::vector<bool> drawing_;  // the groups on the path being drawn
    std::size_t drawn_ = 0;
};

}  // namespace

TagLayout xlEquationLayout(Style style, const Polynomial_Equation_XL& equation) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return unexpectedError();
    return joinLayouts(rawValue(equation.relation), xlRootLayout(style, equation.LHS),
                       xlRootLayout(style, equation.RHS), equation.relation_color);
}

TagLayout xlRootLayout(Style style, const Polynomial_XL& polynomial) {
    if (polynomial.terms.empty()) return unexpectedError();
    return xlPolynomialLayout(polynomial.terms.size() - 1, style, polynomial);
}

TagLayout xlPolynomialLayout(std::size_t groupIndex, Style style, const Polynomial_XL& polynomial) {
    return GroupDrawer(polynomial, style).group(groupIndex);
}

TagLayout xlCoefficientLayout(const Monomial& monomial, Style style) {
    if (style != Style::rational_fraction) return monomialLayout(monomial, style);
    const Rational& c = monomial.coefficient;
    const std::uint64_t size = magnitude(c.numerator);
    const std::uint64_t e = monomial.exponent;
    const std::vector<ColoredText> pieces{
        {c.numerator < 0 ? "-" : "", c.numerator_color},
        {size != 1 || e == 0 ? std::to_string(size) : "", c.numerator_color},
        {e != 0 ? std::string(1, monomial.variable) : "", monomial.variable_color},
        {e > 1 ? superscriptDigit(std::to_string(e)) : "", monomial.variable_color},
    };
    // Piece 2 or piece 3 is never empty, so there is always a layout.
    const TagLayout top = messagesLayout(pieces).value_or(messageLayout(""));
    if (c.denominator == 1) return top;
    return joinLayouts(kFractionJoin, top, messageLayout(std::to_string(c.denominator), c.denominator_color),
                       c.numerator_color);
}

}  // namespace duolinear
