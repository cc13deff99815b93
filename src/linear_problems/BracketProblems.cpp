// Level 0 of the extended generator: bracket forms with whole coefficients.
//
//   variant  form                             draws, in this order
//   0        " a(bx + c) ? d "                (b, c) pair; a s; d r
//   1        " a(b + cx) ? d "                (b, c) pair; a s; d r
//   2        " a(bx + c) ? dx + e "           (b, c) pair; (d, e) pair; a s
//   3        " a + b(cx + d) ? ex + f "       (c, d) pair; (e, f) pair; a s; b s
//   4        " a + b(cx + d(ex + f)) ? g "    (c, d) pair; (e, f) pair; a s; b s; g s
//
// A pair is 1…9 then a non-zero value of −9…9, the two coprime and
// different; s is −9…9 without 0 and 1; r is −9…9 without 0.

#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

#include "algebra/CheckedDraws.h"
#include "linear_problems/ExtendedProblemLevels.h"
#include "linear_problems/LinearProblemGenerator.h"

namespace duolinear::detail {

namespace {

const std::string kMinus = " \u2212 ";  // U+2212 between blanks

// A whole coefficient as its text and its value.
struct Whole {
    std::string text;
    std::int64_t value = 0;
};

Whole whole(std::string text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return {std::move(text), value};
}

// The display pieces of a coefficient.
std::string text(const Whole& k) {
    return k.text;
}
// A factor before a bracket at the start of a side.
std::string factor(const Whole& k) {
    return k.value == -1 ? "-" : k.text;
}
// The coefficient of x at the start of a side or a bracket.
std::string lead(const Whole& k) {
    return k.value == 1 ? "" : k.value == -1 ? "-" : k.text;
}
std::string op(const Whole& k) {
    return k.value > 0 ? " + " : kMinus;
}
// A constant after its operator.
std::string magnitude(const Whole& k) {
    return std::to_string(std::abs(k.value));
}
// A coefficient of x, or a factor before a bracket, after its operator.
std::string scale(const Whole& k) {
    return std::abs(k.value) == 1 ? "" : magnitude(k);
}

class Draws {
public:
    explicit Draws(RandomSource& source) : source_(source) {}

    bool pair(Whole& first, Whole& second) {
        std::optional<IntTextPair> drawn =
            randomIntPair({1, 9}, {0}, defaultCoefficientRange, defaultExcludedCoefficients, true, true, source_);
        if (!drawn) return false;
        first = whole(std::move(drawn->first));
        second = whole(std::move(drawn->second));
        return true;
    }
    bool s(Whole& k) { return single(k, {0, 1}); }
    bool r(Whole& k) { return single(k, defaultExcludedCoefficients); }

private:
    bool single(Whole& k, const std::vector<std::int64_t>& excluded) {
        std::optional<std::string> drawn = randomIntText(defaultCoefficientRange, excluded, source_);
        if (!drawn) return false;
        k = whole(std::move(*drawn));
        return true;
    }

    RandomSource& source_;
};

}  // namespace

std::optional<LinearProblemRecord> bracketProblem(std::string_view relationSymbol, RandomSource& source) {
    CheckedDraws variantDraw(source);
    const int variant = static_cast<int>(variantDraw.range(0, 4));
    if (variantDraw.broken()) return std::nullopt;

    Draws draw(source);
    Whole a, b, c, d, e, f, g;
    std::string_view form;
    bool ok = false;
    switch (variant) {
        case 0:
        case 1:
            form = variant == 0 ? " a(bx + c) ? d " : " a(b + cx) ? d ";
            ok = draw.pair(b, c) && draw.s(a) && draw.r(d);
            break;
        case 2:
            form = " a(bx + c) ? dx + e ";
            ok = draw.pair(b, c) && draw.pair(d, e) && draw.s(a);
            break;
        case 3:
            form = " a + b(cx + d) ? ex + f ";
            ok = draw.pair(c, d) && draw.pair(e, f) && draw.s(a) && draw.s(b);
            break;
        default:
            form = " a + b(cx + d(ex + f)) ? g ";
            ok = draw.pair(c, d) && draw.pair(e, f) && draw.s(a) && draw.s(b) && draw.s(g);
            break;
    }
    if (!ok) return std::nullopt;

    const std::string rel = " " + std::string(relationSymbol) + " ";
    std::string display;
    std::vector<Whole> letters;
    switch (variant) {
        case 0:
            display = factor(a) + "(" + lead(b) + "x" + op(c) + magnitude(c) + ")" + rel + text(d);
            letters = {a, b, c, d};
            break;
        case 1:
            display = factor(a) + "(" + text(b) + op(c) + scale(c) + "x" + ")" + rel + text(d);
            letters = {a, b, c, d};
            break;
        case 2:
            display = factor(a) + "(" + lead(b) + "x" + op(c) + magnitude(c) + ")" + rel + lead(d) + "x" + op(e) +
                      magnitude(e);
            letters = {a, b, c, d, e};
            break;
        case 3:
            display = text(a) + op(b) + scale(b) + "(" + lead(c) + "x" + op(d) + magnitude(d) + ")" + rel + lead(e) +
                      "x" + op(f) + magnitude(f);
            letters = {a, b, c, d, e, f};
            break;
        default:
            display = text(a) + op(b) + scale(b) + "(" + lead(c) + "x" + op(d) + scale(d) + "(" + lead(e) + "x" +
                      op(f) + magnitude(f) + "))" + rel + text(g);
            letters = {a, b, c, d, e, f, g};
            break;
    }
    std::vector<CoefficientText> coefficients;
    for (const Whole& k : letters) coefficients.push_back({k.text, "1"});
    return plainProblemRecord(std::move(display), problemInputList(form, coefficients));
}

}  // namespace duolinear::detail
