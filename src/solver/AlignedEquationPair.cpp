#include "solver/AlignedEquationPair.h"

#include <algorithm>
#include <utility>

#include "algebra/Checked.h"
#include "algebra/TextFunctions.h"
#include "layout/LayoutWriter.h"

namespace duolinear {

namespace {

const Monomial kZeroTerm{};

const Monomial& termAt(const Polynomial& side, std::size_t index) {
    return index < side.terms.size() ? side.terms[index] : kZeroTerm;
}

std::int64_t characters(const std::string& text) {
    return static_cast<std::int64_t>(characterCount(text));
}

std::int64_t decimalLength(std::int64_t n) {
    return characters(std::to_string(n));
}
std::int64_t magnitudeLength(std::int64_t n) {
    return characters(std::to_string(magnitude(n)));
}

std::string pad(std::int64_t count) {
    return padLeft("", count, " ");
}

// count blanks (none for a count below 1) at the end of text.
void appendPad(std::string& text, std::int64_t count) {
    if (count > 0) text.append(static_cast<std::size_t>(count), ' ');
}

std::string xTerm(const std::string& xs) {
    if (xs == "1") return " x";
    if (xs == "-1") return " -x";
    return xs + "x";
}

// The y term that carries its own sign, used when no operator stands before it.
std::string signedYTerm(std::int64_t y, const std::string& ys) {
    if (ys == "1") return "  y";
    if (ys == "-1") return " -y";
    return y > 0 ? " " + ys + "y" : ys + "y";
}

}  // namespace

AlignedColumnWidths alignedColumnWidths(const std::vector<PolyEquation>& equations) {
    AlignedColumnWidths widths;
    for (const PolyEquation& equation : equations) {
        for (const Monomial& term : equation.LHS.terms) {
            if (term.exponent != 1) continue;
            if (term.variable == 'x') widths.x = std::max(widths.x, decimalLength(term.coefficient.numerator));
            if (term.variable == 'y') widths.y = std::max(widths.y, magnitudeLength(term.coefficient.numerator));
        }
        for (const Monomial& term : equation.RHS.terms) {
            if (term.exponent == 0) {
                widths.constant = std::max(widths.constant, decimalLength(term.coefficient.numerator));
            }
        }
    }
    return widths;
}

std::string formatAlignedEquation(const PolyEquation& equation, const AlignedColumnWidths& widths) {
    const std::int64_t x = termAt(equation.LHS, 0).coefficient.numerator;
    const std::int64_t y = termAt(equation.LHS, 1).coefficient.numerator;
    const std::int64_t c = termAt(equation.RHS, 0).coefficient.numerator;
    const std::string xs = std::to_string(x);
    const std::string ys = std::to_string(y);
    const std::string ya = std::to_string(magnitude(y));
    const std::string cs = std::to_string(c);
    const bool hasX = xs != "0";
    const bool hasY = ya != "0";

    // Written into one text, piece by piece.
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max<std::int64_t>(widths.x + widths.y + widths.constant, 0)) + 16);
    if (hasX && hasY) {
        appendPad(text, widths.x - characters(xs));
        text += xTerm(xs);
        text += y > 0 ? " + " : " − ";
        appendPad(text, widths.y - characters(ya));
        text += ya == "1" ? " y" : ya + "y";
    } else if (hasX) {
        appendPad(text, widths.x - characters(xs));
        text += xTerm(xs);
        text += "   ";
        appendPad(text, widths.y - 1);
        text += "  ";
    } else if (hasY) {
        appendPad(text, widths.x - 1);
        text += "    ";
        appendPad(text, widths.y - characters(ya));
        text += signedYTerm(y, ys);
    } else {
        appendPad(text, widths.x - 1);
        text += "     ";
        appendPad(text, widths.y - 1);
        text += "0 ";
    }
    text += " = ";
    appendPad(text, widths.constant - characters(cs));
    text += cs;
    return text;
}

StepLines alignedEquationPairTags(const std::vector<PolyEquation>& equations, const AlignedPairLook& look) {
    const PolyEquation zeroEquation{};
    const auto entry = [&](std::size_t i) -> const PolyEquation& {
        return i < equations.size() ? equations[i] : zeroEquation;
    };
    const AlignedColumnWidths widths = alignedColumnWidths(equations);
    const std::string first = formatAlignedEquation(entry(0), widths);
    std::string second = formatAlignedEquation(entry(1), widths);
    const std::string result = formatAlignedEquation(entry(2), widths);
    const std::string prefixRoom = pad(characters(look.prefix));
    const std::string suffixRoom = pad(characters(look.suffix));

    std::string rule;
    const std::int64_t ruleLength = characters(second);
    rule.reserve(3 * static_cast<std::size_t>(std::max<std::int64_t>(ruleLength, 0)));
    for (std::int64_t i = 0; i < ruleLength; ++i) rule += "–";

    // A line of one text in the monospaced font.
    const auto monospaced = [](std::string text, Color color) {
        LayoutWriter writer(7);
        const LayoutWriter::Item root = writer.font(Font::monospaced_system, writer.message(std::move(text), color));
        return std::move(writer).finish(root);
    };
    // prefix, second equation and suffix side by side, in the monospaced font.
    LayoutWriter writer(20);
    const LayoutWriter::Item prefix = writer.message(look.prefix, look.prefixColor);
    const LayoutWriter::Item prefixed =
        writer.join("🖇", prefix, writer.message(std::move(second), look.secondColor));
    const LayoutWriter::Item secondRow = writer.join("🖇", prefixed, writer.message(look.suffix, look.suffixColor));
    TagLayout secondLine = std::move(writer).finish(writer.font(Font::monospaced_system, secondRow));
    return linesOf(monospaced(prefixRoom + first + suffixRoom, look.firstColor), std::move(secondLine),
                   monospaced(prefixRoom + rule + suffixRoom, Color::black),
                   monospaced(prefixRoom + result + suffixRoom, look.resultColor));
}

}  // namespace duolinear
