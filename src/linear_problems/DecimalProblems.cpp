// Level 1 of the extended generator: two terms on each side, whose four
// coefficients are decimals with one place (numerator over 10), now and then
// one with two places (over 100) or a whole number (over 1).

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "algebra/CheckedDraws.h"
#include "algebra/DecimalText.h"
#include "linear_problems/ExtendedProblemLevels.h"
#include "linear_problems/LinearProblemGenerator.h"
#include "linear_problems/LinearProblemGeneratorXL.h"

namespace duolinear {

namespace {

// (10·t + u)·s as randomDecimalNumerator draws it; a broken draw stands in as
// its range's low end, so the value stays within 1…49 in magnitude.
std::int64_t decimalNumerator(CheckedDraws& draws) {
    static constexpr std::array<std::int64_t, 4> kSigns{-1, 1, 1, 1};
    const std::int64_t tens = draws.range(0, 4);
    const std::int64_t units = draws.range(1, 9);
    const std::int64_t sign = kSigns[draws.index(kSigns.size())];
    return (10 * tens + units) * sign;
}

}  // namespace

std::optional<std::int64_t> randomDecimalNumerator(RandomSource& source) {
    CheckedDraws draws(source);
    const std::int64_t numerator = decimalNumerator(draws);
    if (draws.broken()) return std::nullopt;
    return numerator;
}

namespace detail {

namespace {

const std::string kMinus = " \u2212 ";  // U+2212 between blanks

struct Decimal {
    std::int64_t numerator = 0;
    std::int64_t denominator = 10;

    double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
    bool isUnit() const { return std::abs(numerator) == denominator; }  // ±1
};

std::string fmt(double value) {
    return decimalText(value, 6);
}

// The display pieces of a coefficient: standing alone; the coefficient of x
// at the start of a side; the operator before it; a constant after its
// operator; a coefficient of x after its operator.
std::string plain(const Decimal& k) {
    return fmt(k.value());
}
std::string lead(const Decimal& k) {
    if (k.isUnit()) return k.numerator < 0 ? "-" : "";
    return fmt(k.value());
}
std::string op(const Decimal& k) {
    return k.numerator < 0 ? kMinus : " + ";
}
std::string magnitude(const Decimal& k) {
    return fmt(std::abs(k.value()));
}
std::string scale(const Decimal& k) {
    return k.isUnit() ? "" : magnitude(k);
}

// With probability 1/4 (two fair coins, the second flipped only after
// heads) one of the four denominators, chosen uniformly, becomes the given one.
void perhapsSetOneDenominator(std::array<Decimal, 4>& coefficients, std::int64_t denominator, CheckedDraws& draws) {
    if (!draws.truth() || !draws.truth()) return;
    coefficients[draws.index(coefficients.size())].denominator = denominator;
}

}  // namespace

std::optional<LinearProblemRecord> decimalProblem(std::string_view relationSymbol, RandomSource& source) {
    CheckedDraws draws(source);
    std::array<Decimal, 4> k;  // a, b, c, d
    for (Decimal& coefficient : k) coefficient.numerator = decimalNumerator(draws);
    perhapsSetOneDenominator(k, 1, draws);
    perhapsSetOneDenominator(k, 100, draws);

    static constexpr std::array<std::string_view, 4> kForms{
        " ax + b ? cx + d !",
        " ax + b ? c + dx !",
        " a + bx ? cx + d !",
        " a + bx ? c + dx !",
    };
    const std::size_t variant = drawVariantOfFour(draws);
    if (draws.broken()) return std::nullopt;

    const auto& [a, b, c, d] = k;
    const std::string rel = " " + std::string(relationSymbol) + " ";
    const bool xFirstLeft = variant < 2, xFirstRight = variant % 2 == 0;
    const std::string left = xFirstLeft ? lead(a) + "x" + op(b) + magnitude(b) : plain(a) + op(b) + scale(b) + "x";
    const std::string right = xFirstRight ? lead(c) + "x" + op(d) + magnitude(d) : plain(c) + op(d) + scale(d) + "x";

    std::vector<CoefficientText> coefficients;
    for (const Decimal& coefficient : k)
        coefficients.push_back({std::to_string(coefficient.numerator), std::to_string(coefficient.denominator)});
    return plainProblemRecord(left + rel + right, problemInputList(kForms[variant], coefficients));
}

}  // namespace detail

}  // namespace duolinear
