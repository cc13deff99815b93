#include "linear_problems/LinearProblemGenerator.h"

#include <array>
#include <string>

#include "linear_problems/LinearProblemText.h"

namespace duolinear {

namespace {

// How one letter's coefficient is made. pairFirst and pairSecond are the two
// coefficients of x that the other levels draw together, before the variant.
enum class Draw { r, s, one, unitFraction, pairFirst, pairSecond };

struct Variant {
    std::string_view spacedForm;
    std::vector<Draw> letters;  // a, b, c, d in order
};

using LevelTable = std::array<Variant, 4>;

const std::vector<std::int64_t> kNotZeroOrOne{0, 1};

const LevelTable& levelTable(std::int64_t level) {
    using enum Draw;
    static const LevelTable xOnTheLeft = {{
        {" ax + b ? c ", {one, r, r}},
        {" a + bx ? c ", {r, one, r}},
        {" ax ? b ", {s, r}},
        {" ax ? b ", {unitFraction, r}},
    }};
    static const LevelTable xOnTheRight = {{
        {" a ? bx + c ", {r, one, r}},
        {" a ? b + cx ", {r, r, one}},
        {" a ? bx ", {r, s}},
        {" a ? bx ", {r, unitFraction}},
    }};
    static const LevelTable twoStepsLeft = {{
        {" ax + b ? c ", {s, r, r}},
        {" a + bx ? c ", {r, s, r}},
        {" ax + b ? c ", {unitFraction, r, r}},
        {" a + bx ? c ", {r, unitFraction, r}},
    }};
    static const LevelTable twoStepsRight = {{
        {" a ? bx + c ", {r, s, r}},
        {" a ? b + cx ", {r, r, s}},
        {" a ? bx + c ", {r, unitFraction, r}},
        {" a ? b + cx ", {r, r, unitFraction}},
    }};
    static const LevelTable bothSides = {{
        {" ax + b ? cx + d ", {pairFirst, r, pairSecond, r}},
        {" ax + b ? c + dx ", {pairFirst, r, r, pairSecond}},
        {" a + bx ? cx + d ", {r, pairFirst, pairSecond, r}},
        {" a + bx ? c + dx ", {r, pairFirst, r, pairSecond}},
    }};
    switch (level) {
        case 0:
            return xOnTheLeft;
        case 1:
            return xOnTheRight;
        case 2:
            return twoStepsLeft;
        case 3:
            return twoStepsRight;
        default:
            return bothSides;
    }
}

bool isBothSidesLevel(std::int64_t level) {
    return level < 0 || level > 3;
}

std::optional<CoefficientText> drawCoefficient(Draw kind, const IntTextPair& pair, RandomSource& source) {
    const auto whole = [](std::optional<std::string> text) -> std::optional<CoefficientText> {
        if (!text) return std::nullopt;
        return CoefficientText{std::move(*text), "1"};
    };
    switch (kind) {
        case Draw::r:
            return whole(randomIntText(defaultCoefficientRange, defaultExcludedCoefficients, source));
        case Draw::s:
            return whole(randomIntText(defaultCoefficientRange, kNotZeroOrOne, source));
        case Draw::one:
            return CoefficientText{"1", "1"};
        case Draw::unitFraction: {
            std::optional<std::string> denominator = randomIntText(defaultCoefficientRange, kNotZeroOrOne, source);
            if (!denominator) return std::nullopt;
            return CoefficientText{"1", std::move(*denominator)};
        }
        case Draw::pairFirst:
            return CoefficientText{pair.first, "1"};
        case Draw::pairSecond:
            return CoefficientText{pair.second, "1"};
    }
    return std::nullopt;
}

}  // namespace

std::size_t drawVariantOfFour(CheckedDraws& draws) {
    return static_cast<std::size_t>(draws.range(0, 3));
}

std::optional<LinearProblemRecord> generateLinearProblem(std::int64_t level, std::string_view relationSymbol,
                                                         RandomSource& source) {
    IntTextPair xCoefficients;
    if (isBothSidesLevel(level)) {
        // Drawn again together until neither is 0 or 1 and they differ.
        std::optional<IntTextPair> pair = randomIntPair(defaultCoefficientRange, kNotZeroOrOne, defaultCoefficientRange,
                                                        kNotZeroOrOne, false, true, source);
        if (!pair) return std::nullopt;
        xCoefficients = std::move(*pair);
    }
    CheckedDraws draws(source);
    const Variant& variant = levelTable(level)[drawVariantOfFour(draws)];
    if (draws.broken()) return std::nullopt;

    std::vector<CoefficientText> coefficients;
    for (Draw kind : variant.letters) {
        std::optional<CoefficientText> drawn = drawCoefficient(kind, xCoefficients, source);
        if (!drawn) return std::nullopt;
        coefficients.push_back(std::move(*drawn));
    }
    return plainProblemRecord(linearProblemDisplayText(variant.spacedForm, coefficients, relationSymbol),
                              problemInputList(variant.spacedForm, coefficients));
}

}  // namespace duolinear
