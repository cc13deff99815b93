#include "linear_steps/ExtendedPolynomialLayout.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Checked.h"
#include "algebra/TextFunctions.h"
#include "layout/JoinTexts.h"
#include "layout/LayoutWriter.h"

namespace duolinear {

namespace {

const std::string kBrackets = "()";
const std::string kUnexpectedError = "unexpected error";

// The value of the monomial is the constant `value` (an undefined coefficient
// is no constant: its fraction is drawn).
bool isConstant(const Monomial& m, std::int64_t value) {
    return m.exponent == 0 && rationalEquals(m.coefficient, Rational{value, 1}, false);
}

// A bracket's multiplier that is not whole: in rational_fraction and decimal
// its denominator goes under the whole product, below a fraction bar.
bool stacksItsDenominator(const Term& t) {
    return t.sub_exp.multiplies && t.monomial.coefficient.denominator != 1;
}

// Whether every group that drawing `group` reaches holds a term.
bool reachesOnlyFilledGroups(const Ext_polynomial& side, std::size_t group) {
    if (group >= side.terms.size()) return true;  // drawn as "unexpected error"
    const ExtGroup& terms = side.terms[group];
    if (terms.empty()) return false;
    for (const Term& t : terms) {
        if (!t.sub_exp.multiplies || t.sub_exp.index >= group) continue;
        if (!reachesOnlyFilledGroups(side, static_cast<std::size_t>(t.sub_exp.index))) return false;
    }
    return true;
}

// At least as many rows as drawing the side takes, for a reserve.
std::size_t sideRows(const Ext_polynomial& side) {
    std::size_t rows = 8;
    for (const ExtGroup& group : side.terms) rows += 24 * group.size();
    return rows;
}

// The two ways of making the pieces of a drawing. Composing makes each piece
// a layout of its own and joins them with the builders of TagLayout.h; it
// draws a group without terms as the empty layout, as joinLayouts reads it.
// Writing writes every piece into one layout in its final place
// (LayoutWriter.h); it is used only when every group drawn holds a term.
// Both give the same rows, provided each piece is made before the piece to
// its right, which the drawing below does.
struct Composing {
    using Piece = TagLayout;

    Piece message(const std::string& text, Color color) { return messageLayout(text, color); }
    Piece join(const std::string& text, Piece left, Piece right, Color color = Color::black) {
        return joinLayouts(text, std::move(left), std::move(right), color);
    }
    Piece unary(const std::string& text, Piece child, Color color) {
        return unaryLayout(text, std::move(child), color);
    }
    Piece monomial(const Monomial& m, Style style) { return monomialLayout(m, style); }
    Piece empty() { return TagLayout{}; }

    // The first text of the piece equal to `from` rewritten as `to`.
    void rewriteText(Piece& piece, const std::string& from, const std::string& to) {
        for (TagRow& row : piece) {
            for (std::size_t k = 0; k < row.size(); ++k) {
                if (row[k] != from) continue;
                row.set(k, to);
                return;
            }
        }
    }
};

struct Writing {
    using Piece = LayoutWriter::Item;

    LayoutWriter& writer;
    std::size_t pieceStart = 0;  // the first row of the piece that rewriteText looks at

    Piece message(const std::string& text, Color color) { return writer.message(text, color); }
    Piece join(const std::string& text, Piece left, Piece right, Color color = Color::black) {
        return writer.join(text, left, right, color);
    }
    Piece unary(const std::string& text, Piece child, Color color) { return writer.unary(text, child, color); }
    Piece monomial(const Monomial& m, Style style) {
        pieceStart = writer.rowCount();
        return writeMonomial(writer, m, style);
    }
    Piece empty() { return writer.message(kUnexpectedError); }  // never asked, see above

    void rewriteText(Piece& /*piece*/, const std::string& from, const std::string& to) {
        for (std::size_t i = pieceStart; i < writer.rowCount(); ++i) {
            TagRow& row = writer.row(i);
            for (std::size_t k = 0; k < row.size(); ++k) {
                if (row[k] != from) continue;
                row.set(k, to);
                return;
            }
        }
    }
};

template <typename Build>
class SideDrawing {
public:
    using Piece = typename Build::Piece;

    SideDrawing(Build& build, Style style, const Ext_polynomial& side) : build_(build), style_(style), side_(side) {}

    Piece group(std::size_t group) {
        if (group >= side_.terms.size()) return unexpectedError();
        const ExtGroup& terms = side_.terms[group];
        if (terms.empty()) return build_.empty();
        Piece result{};
        for (std::size_t j = 0; j < terms.size(); ++j) {
            const Term& t = terms[j];
            const bool first = j == 0;
            bool negative = t.monomial.coefficient.numerator < 0;
            Piece piece{};
            if (!t.sub_exp.multiplies) {
                piece = term(t.monomial, first);
            } else if (style_ == Style::fraction) {
                piece = fractionBracketPiece(t, group, first, negative);
            } else {
                piece = stackedBracketPiece(t, group, first);
            }
            result = first ? std::move(piece)
                           : build_.join(negative ? kMinusJoin : kPlusJoin, std::move(result), std::move(piece),
                                         t.monomial.coefficient.numerator_color);
        }
        return result;
    }

    // One term's monomial, as termMonomialLayout draws it.
    Piece termMonomial(const Monomial& m) {
        if (style_ == Style::rational_fraction) return rationalFractionTerm(m, true);
        return build_.monomial(m, style_);
    }

private:
    Piece unexpectedError() { return build_.message(kUnexpectedError, Color::black); }

    // rational_fraction: sign, number, letter and power as separate messages
    // set side by side; the number is left out for a coefficient ±1 of a
    // power of the letter. The denominator, when not 1, goes under them.
    Piece rationalFractionTerm(const Monomial& m, bool withSign) {
        const Rational& c = m.coefficient;
        const std::uint64_t size = magnitude(c.numerator);
        const bool hasLetter = m.exponent != 0;
        const ColoredText pieces[] = {
            {withSign && c.numerator < 0 ? "-" : "", c.numerator_color},
            {size == 1 && hasLetter ? "" : std::to_string(size), c.numerator_color},
            {hasLetter ? std::string(1, m.variable) : "", m.variable_color},
            {m.exponent >= 2 ? superscriptDigit(std::to_string(m.exponent)) : "", m.variable_color},
        };
        std::optional<Piece> top;
        for (const ColoredText& piece : pieces) {
            if (piece.text.empty()) continue;
            Piece next = build_.message(piece.text, piece.color);
            top = top ? build_.join(kJuxtaposeJoin, std::move(*top), std::move(next)) : std::move(next);
        }
        if (!top) top = build_.message("", Color::black);
        if (c.denominator == 1) return std::move(*top);
        Piece denominator = build_.message(std::to_string(c.denominator), c.denominator_color);
        return build_.join(kFractionJoin, std::move(*top), std::move(denominator), c.numerator_color);
    }

    // The monomial drawn with the magnitude of its numerator: a term after
    // the first, whose sign the join in front of it shows. The magnitude of
    // the least 64-bit value has no signed form: it is drawn from its
    // neighbour and its text written in afterwards.
    Piece unsignedTerm(const Monomial& m) {
        if (style_ == Style::rational_fraction) return rationalFractionTerm(m, false);
        if (m.coefficient.numerator >= 0) return build_.monomial(m, style_);
        Monomial positive = m;
        const CheckedInt negated = checkedNegate(m.coefficient.numerator);
        positive.coefficient.numerator = negated.value_or(std::numeric_limits<std::int64_t>::max());
        Piece piece = build_.monomial(positive, style_);
        if (!negated) {
            build_.rewriteText(piece, std::to_string(std::numeric_limits<std::int64_t>::max()),
                               std::to_string(magnitude(m.coefficient.numerator)));
        }
        return piece;
    }

    Piece term(const Monomial& m, bool first) { return first ? termMonomial(m) : unsignedTerm(m); }

    // The group a bracket term multiplies. Only groups before this one can be
    // inside it; anything else would send the drawing round in a circle.
    Piece inner(const Term& t, std::size_t group) {
        if (t.sub_exp.index >= group) return unexpectedError();
        return this->group(static_cast<std::size_t>(t.sub_exp.index));
    }
    Piece bracketed(const Term& t, std::size_t group) {
        return build_.unary(kBrackets, inner(t, group), t.sub_exp_parenthesis_color);
    }
    Piece besideBrackets(Piece multiplier, const Term& t, std::size_t group) {
        Piece brackets = bracketed(t, group);
        return build_.join(kJuxtaposeJoin, std::move(multiplier), std::move(brackets));
    }

    // A bracket term in the fraction style. negative is the sign that the
    // join in front of a later term shows.
    Piece fractionBracketPiece(const Term& t, std::size_t group, bool first, bool& negative) {
        const Monomial& m = t.monomial;
        const bool one = isConstant(m, 1);
        const bool minusOne = isConstant(m, -1);
        if (!first && (one || minusOne)) {
            // Nothing of the coefficient is drawn, so the join carries the
            // sign of its value: a stored 1/-1 is a minus.
            negative = minusOne;
            return bracketed(t, group);
        }
        if (first && one) return bracketed(t, group);
        if (first && minusOne) return besideBrackets(build_.message("-", m.coefficient.numerator_color), t, group);
        return besideBrackets(term(m, first), t, group);
    }

    // A bracket term in rational_fraction or decimal: the multiplier without
    // its denominator, which then goes under the whole product.
    Piece stackedBracketPiece(const Term& t, std::size_t group, bool first) {
        const Monomial& m = t.monomial;
        const Rational& c = m.coefficient;
        Piece piece{};
        if (magnitude(c.numerator) != 1 || m.exponent != 0) {
            const Monomial multiplier{Rational{c.numerator, 1, c.numerator_color, Color::black, Color::black},
                                      m.exponent, m.variable, m.variable_color};
            piece = besideBrackets(term(multiplier, first), t, group);
        } else if (first && c.numerator == -1) {
            piece = besideBrackets(build_.message("-", c.numerator_color), t, group);
        } else if (!first && c.denominator == 1) {
            piece = bracketed(t, group);
        } else {
            piece = inner(t, group);
        }
        if (!stacksItsDenominator(t)) return piece;
        const Monomial denominator{Rational{c.denominator, 1, c.denominator_color, Color::black, Color::black}, 0};
        Piece under = termMonomial(denominator);
        return build_.join(kFractionJoin, std::move(piece), std::move(under), c.bar_color);
    }

    Build& build_;
    Style style_;
    const Ext_polynomial& side_;
};

}  // namespace

bool coefficientDrawnAsDecimal(const Term& term, Style style) {
    return style == Style::decimal && !stacksItsDenominator(term);
}

TagLayout termMonomialLayout(const Term& term, Style style) {
    const Ext_polynomial none;
    LayoutWriter writer(24);
    Writing build{writer};
    const LayoutWriter::Item root = SideDrawing<Writing>(build, style, none).termMonomial(term.monomial);
    return std::move(writer).finish(root);
}

TagLayout extPolynomialLayout(std::size_t group, Style style, const Ext_polynomial& side) {
    if (!reachesOnlyFilledGroups(side, group)) {
        Composing build;
        return SideDrawing<Composing>(build, style, side).group(group);
    }
    LayoutWriter writer(sideRows(side));
    Writing build{writer};
    const LayoutWriter::Item root = SideDrawing<Writing>(build, style, side).group(group);
    return std::move(writer).finish(root);
}

TagLayout extEquationLayout(Style style, const Ext_polyEquation& equation) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return messageLayout(kUnexpectedError);
    const std::size_t left = equation.LHS.terms.size() - 1;
    const std::size_t right = equation.RHS.terms.size() - 1;
    if (!reachesOnlyFilledGroups(equation.LHS, left) || !reachesOnlyFilledGroups(equation.RHS, right)) {
        return joinLayouts(rawValue(equation.relation), extPolynomialLayout(left, style, equation.LHS),
                           extPolynomialLayout(right, style, equation.RHS), equation.relation_color);
    }
    LayoutWriter writer(sideRows(equation.LHS) + sideRows(equation.RHS) + 4);
    Writing build{writer};
    const LayoutWriter::Item leftRoot = SideDrawing<Writing>(build, style, equation.LHS).group(left);
    const LayoutWriter::Item rightRoot = SideDrawing<Writing>(build, style, equation.RHS).group(right);
    return std::move(writer).finish(
        writer.join(rawValue(equation.relation), leftRoot, rightRoot, equation.relation_color));
}

}  // namespace duolinear
