// Levels 2 and up of the extended generator: coefficients that are fractions
// in lowest terms, each fraction of the display line a run in the
// diagonal-fraction font.
//
// Level 2 draws a, b, c, d (a and c positive, over 2…7) before it picks one
// of four forms of two terms a side; each x coefficient stands in "( … )x",
// and the signs of b and d show only as the operators before them:
//   ( 1/2 )x − 3/4 = ( 5/6 )x + 9/7
// The other levels pick one of three forms first, then draw: a fraction a
// times a bracket of whole numbers, against a fraction, an x term and a
// fraction, or two fractions:
//   -3/4(2x − 5) = 7/2      -2/3(3x − 1) ≥ -x + 4/5      3/4(x + 2) < ( 5/3 )x − 1/2

#include <array>
#include <string>
#include <vector>

#include "algebra/CheckedDraws.h"
#include "linear_problems/DiagonalFractionLine.h"
#include "linear_problems/ExtendedProblemLevels.h"
#include "linear_problems/LinearProblemGenerator.h"

namespace duolinear::detail {

namespace {

const std::string kMinus = " \u2212 ";  // U+2212 between blanks

bool isNegativeText(const std::string& text) {
    return !text.empty() && text.front() == '-';
}

// A coefficient drawn as a coprime, distinct pair: numerator from the first
// range, denominator from the second, neither 0.
std::optional<CoefficientText> drawFraction(ClosedIntRange numerators, ClosedIntRange denominators,
                                            RandomSource& source) {
    std::optional<IntTextPair> pair = randomIntPair(numerators, defaultExcludedCoefficients, denominators,
                                                    defaultExcludedCoefficients, true, true, source);
    if (!pair) return std::nullopt;
    return CoefficientText{std::move(pair->first), std::move(pair->second)};
}

// "3/4" for 3/4 and for -3/4: the fraction without its sign.
std::string magnitude(const CoefficientText& k) {
    const std::string& n = k.numerator;
    return (isNegativeText(n) ? n.substr(1) : n) + "/" + k.denominator;
}

std::string fraction(const CoefficientText& k) {
    return k.numerator + "/" + k.denominator;
}

LinearProblemRecord fractionRecord(const DisplaySegments& segments, std::initializer_list<std::size_t> fractions,
                                   std::string_view form, const std::vector<CoefficientText>& coefficients) {
    LinearProblemRecord record;
    record.examples.push_back(fractionDisplayLine(segments, fractions));
    record.inputs = {{problemInputList(form, coefficients)}};
    return record;
}

}  // namespace

std::optional<LinearProblemRecord> fractionProblem(std::string_view relationSymbol, RandomSource& source) {
    constexpr ClosedIntRange positive{1, 9}, denominators{2, 7};
    std::optional<CoefficientText> a = drawFraction(positive, denominators, source);
    std::optional<CoefficientText> b = a ? drawFraction(defaultCoefficientRange, denominators, source) : std::nullopt;
    std::optional<CoefficientText> c = b ? drawFraction(positive, denominators, source) : std::nullopt;
    std::optional<CoefficientText> d = c ? drawFraction(defaultCoefficientRange, denominators, source) : std::nullopt;
    if (!d) return std::nullopt;

    static constexpr std::array<std::string_view, 4> kForms{
        " ax + b ? cx + d ",
        " ax + b ? c + dx ",
        " a + bx ? cx + d ",
        " a + bx ? c + dx ",
    };
    CheckedDraws draws(source);
    const std::size_t variant = drawVariantOfFour(draws);
    if (draws.broken()) return std::nullopt;
    const bool xFirstLeft = variant < 2, xFirstRight = variant % 2 == 0;
    const std::string R(relationSymbol);
    const bool bNegative = isNegativeText(b->numerator), dNegative = isNegativeText(d->numerator);

    const DisplaySegments s{
        xFirstLeft ? "( " : "",
        fraction(*a),
        xFirstLeft ? (bNegative ? " )x" + kMinus : " )x + ") : (bNegative ? kMinus + "( " : " + ( "),
        magnitude(*b),
        (xFirstLeft ? " " : " )x ") + R + (xFirstRight ? " ( " : " "),
        fraction(*c),
        xFirstRight ? (dNegative ? " )x" + kMinus : " )x + ") : (dNegative ? kMinus + "( " : " + ( "),
        magnitude(*d),
        xFirstRight ? "" : " )x",
    };
    return fractionRecord(s, {1, 3, 5, 7}, kForms[variant], {*a, *b, *c, *d});
}

std::optional<LinearProblemRecord> fractionTimesBracketProblem(std::string_view relationSymbol, RandomSource& source) {
    constexpr ClosedIntRange overTwoToNine{2, 9};
    CheckedDraws variantDraw(source);
    const std::int64_t variant = variantDraw.range(0, 2);
    if (variantDraw.broken()) return std::nullopt;

    std::optional<CoefficientText> a = drawFraction(defaultCoefficientRange, overTwoToNine, source);
    std::optional<IntTextPair> bc = a ? randomIntPair({1, 9}, defaultExcludedCoefficients, defaultCoefficientRange,
                                                      defaultExcludedCoefficients, true, true, source)
                                      : std::nullopt;
    if (!bc) return std::nullopt;
    const CoefficientText b{bc->first, "1"}, c{bc->second, "1"};
    std::optional<CoefficientText> d, e;
    if (variant == 1) {
        e = drawFraction(defaultCoefficientRange, overTwoToNine, source);
        std::optional<std::string> whole =
            e ? randomIntText(defaultCoefficientRange, defaultExcludedCoefficients, source) : std::nullopt;
        if (whole) d = CoefficientText{std::move(*whole), "1"};
        if (!d) return std::nullopt;
    } else {
        d = drawFraction(overTwoToNine, overTwoToNine, source);
        if (variant == 2 && d) e = drawFraction(defaultCoefficientRange, overTwoToNine, source);
        if (!d || (variant == 2 && !e)) return std::nullopt;
    }

    const std::string open = b.numerator == "1" ? "(x" : "(" + b.numerator + "x";
    const std::string close =
        isNegativeText(c.numerator) ? kMinus + c.numerator.substr(1) + ")" : " + " + c.numerator + ")";
    const std::string rel = " " + std::string(relationSymbol) + " ";
    DisplaySegments s;
    s[0] = isNegativeText(a->numerator) ? "-" : "";
    s[1] = magnitude(*a);
    s[2] = open + close + rel;
    if (variant == 0) {
        s[4] = magnitude(*d);
        return fractionRecord(s, {1, 4}, " a(bx + c) ? d ", {*a, b, c, *d});
    }
    if (variant == 1) {
        const std::string& n = d->numerator;
        s[2] += n == "1" ? "x" : n == "-1" ? "-x" : n + "x";
        s[3] = isNegativeText(e->numerator) ? kMinus : " + ";
        s[4] = magnitude(*e);
        return fractionRecord(s, {1, 4}, " a(bx + c) ? dx + e ", {*a, b, c, *d, *e});
    }
    s[3] = "( ";
    s[4] = magnitude(*d);
    s[5] = isNegativeText(e->numerator) ? " )x" + kMinus : " )x + ";
    s[6] = magnitude(*e);
    return fractionRecord(s, {1, 4, 6}, " a(bx + c) ? dx + e ", {*a, b, c, *d, *e});
}

}  // namespace duolinear::detail
