#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "DisplayEvaluation.h"
#include "FormEvaluation.h"
#include "layout/drawing/BaseFontSize.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "platform/gfx/Gfx.h"
#include "platform/gfx/GfxTestSupport.h"
#include "support/ConstantRandom.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using namespace testing;
using Range = std::pair<std::size_t, std::size_t>;

// One problem from a scripted source (each value must fall in the range
// asked for, and all must be used). inputs: the input list joined by "|";
// runs: the (start, length) of each run in the fraction font.
struct Case {
    std::int64_t level;
    std::vector<std::int64_t> script;
    std::string relation, display, inputs;
    std::vector<Range> runs = {};  // none at levels 0 and 1
};

void expectProblems(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        ScriptedRandom random;
        for (std::int64_t v : c.script) random.push(v);
        const std::optional<LinearProblemRecord> record = generateLinearProblemXL(c.level, c.relation, random);
        ASSERT_TRUE(record) << c.display;
        ASSERT_EQ(record->examples.size(), 1u);
        const gfx::AttributedText& line = record->examples[0];
        EXPECT_EQ(line.text(), c.display);
        std::vector<Range> runs = {};  // none at levels 0 and 1
        for (const gfx::TextSpan& span : line.spans()) {
            EXPECT_EQ(span.font, diagonalFractionFont()) << c.display;
            EXPECT_FALSE(span.foreground || span.background) << c.display;
            runs.emplace_back(span.range.location, span.range.length);
        }
        EXPECT_EQ(runs, c.runs) << c.display;
        ASSERT_EQ(record->inputs.size(), 1u);
        ASSERT_EQ(record->inputs[0].size(), 1u);
        EXPECT_EQ(joinedInputs(record->inputs[0][0]), c.inputs) << c.display;
        EXPECT_EQ(random.remaining(), 0u) << c.display;
    }
}

// The variant (0…4) first, then pairs (1…9 with a coprime, different value of
// −9…9), then single coefficients.
TEST(LinearProblemGeneratorXL, BracketLevel) {
    // clang-format off
    expectProblems({
        {0, {0, 2, -5, -3, 4}, "=", "-3(2x − 5) = 4", "-3|1|2|1|-5|1|RHS:|4|1| a(bx + c) ? d "},
        // (2, -4) and (3, 3) are drawn again, and so is a = 1.
        {0, {0, 2, -4, 3, 3, 1, 6, 1, -1, 1}, "<", "-(x + 6) < 1", "-1|1|1|1|6|1|RHS:|1|1| a(bx + c) ? d "},
        {0, {1, 3, -1, 4, -2}, "<", "4(3 − x) < -2", "4|1|3|1|-1|1|RHS:|-2|1| a(b + cx) ? d "},
        {0, {2, 1, -1, 5, 9, -2}, ">", "-2(x − 1) > 5x + 9", "-2|1|1|1|-1|1|RHS:|5|1|9|1| a(bx + c) ? dx + e "},
        {0, {3, 3, -2, 1, 7, 4, -1}, "<", "4 − (3x − 2) < x + 7",
            "4|1|-1|1|3|1|-2|1|RHS:|1|1|7|1| a + b(cx + d) ? ex + f "},
        {0, {4, 1, -1, 4, -5, 2, 3, -6}, "≥", "2 + 3(x − (4x − 5)) ≥ -6",
            "2|1|3|1|1|1|-1|1|4|1|-5|1|RHS:|-6|1| a + b(cx + d(ex + f)) ? g "},
    });
    // clang-format on
}

// Four numerators (tens 0…4, units 1…9, the index of a sign in [-1, 1, 1, 1]),
// the whole-number chance (heads, heads, an index), the hundredths chance,
// then the variant.
TEST(LinearProblemGeneratorXL, DecimalLevel) {
    const auto script = [](std::vector<std::int64_t> numerators, std::vector<std::int64_t> rest) {
        numerators.insert(numerators.end(), rest.begin(), rest.end());
        return numerators;
    };
    // clang-format off
    expectProblems({
        {1, script({3, 7, 1, 0, 4, 0, 2, 1, 2, 0, 9, 3}, {1, 1, 2, 1, 1, 1, 0}), "=", "3.7x − 0.04 = 21x + 0.9",
            "37|10|-4|100|RHS:|21|1|9|10| ax + b ? cx + d !"},
        {1, script({1, 2, 0, 0, 1, 1, 0, 5, 1, 0, 3, 0}, {1, 1, 1, 1, 1, 2, 3}), "<", "-1.2 + x < 0.05 − 0.3x",
            "-12|10|1|1|RHS:|5|100|-3|10| a + bx ? c + dx !"},
        // A whole -1 standing alone reads "-1"; tails on the second hundredths coin.
        {1, script({0, 1, 0, 4, 9, 3, 0, 1, 1, 0, 3, 0}, {1, 1, 0, 1, 0, 2}), "≥", "-1 + 4.9x ≥ 0.1x − 0.3",
            "-1|1|49|10|RHS:|1|10|-3|10| a + bx ? cx + d !"},
        // A whole -1 leads x as "-x"; tails on the first hundredths coin.
        {1, script({0, 1, 0, 0, 1, 1, 0, 1, 1, 0, 1, 0}, {1, 1, 0, 0, 0}), "<", "-x + 0.1 < 0.1x − 0.1",
            "-1|1|1|10|RHS:|1|10|-1|10| ax + b ? cx + d !"},
        // Both chances on d: only the 100 stays.
        {1, script({0, 1, 0, 0, 1, 1, 0, 1, 1, 0, 1, 0}, {1, 1, 3, 1, 1, 3, 1}), "<", "-0.1x + 0.1 < 0.1 − 0.01x",
            "-1|10|1|10|RHS:|1|10|-1|100| ax + b ? c + dx !"},
    });
    // clang-format on
}

// a, b, c, d drawn before the variant, each a coprime pair over 2…7.
TEST(LinearProblemGeneratorXL, FractionLevel) {
    const std::string inputs = "1|2|-3|4|RHS:|5|6|9|7|";
    // clang-format off
    expectProblems({
        {2, {1, 2, -3, 4, 5, 6, 9, 7, 0}, "=", "( 1/2 )x − 3/4 = ( 5/6 )x + 9/7",
            inputs + " ax + b ? cx + d ", {{2, 3}, {11, 3}, {19, 3}, {28, 3}}},
        {2, {1, 2, -3, 4, 5, 6, 9, 7, 1}, "≤", "( 1/2 )x − 3/4 ≤ 5/6 + ( 9/7 )x",
            inputs + " ax + b ? c + dx ", {{2, 3}, {11, 3}, {17, 3}, {25, 3}}},
        {2, {1, 2, -3, 4, 5, 6, 9, 7, 2}, "=", "1/2 − ( 3/4 )x = ( 5/6 )x + 9/7",
            inputs + " a + bx ? cx + d ", {{0, 3}, {8, 3}, {19, 3}, {28, 3}}},
        // A relation of two UTF-16 units keeps the runs on their fractions.
        {2, {1, 2, -3, 4, 5, 6, 9, 7, 3}, "🤔", "1/2 − ( 3/4 )x 🤔 5/6 + ( 9/7 )x",
            inputs + " a + bx ? c + dx ", {{0, 3}, {8, 3}, {18, 3}, {26, 3}}},
        // (4, 2), (3, 3) and (-6, 4) are drawn again; positive b and d join with " + ".
        {2, {4, 2, 9, 2, 3, 3, -6, 4, 5, 4, 1, 7, 1, 3, 1}, "<", "( 9/2 )x + 5/4 < 1/7 + ( 1/3 )x",
            "9|2|5|4|RHS:|1|7|1|3| ax + b ? c + dx ", {{2, 3}, {11, 3}, {17, 3}, {25, 3}}},
    });
    // clang-format on
}

// The variant (0…2) first, then a, the pair (b, c), and the right side's draws.
TEST(LinearProblemGeneratorXL, FractionTimesBracketLevel) {
    // clang-format off
    expectProblems({
        {3, {0, -3, 4, 2, -5, 7, 2}, "=", "-3/4(2x − 5) = 7/2",
            "-3|4|2|1|-5|1|RHS:|7|2| a(bx + c) ? d ", {{1, 3}, {15, 3}}},
        {100, {1, -2, 3, 3, -1, 4, 5, -1}, "≥", "-2/3(3x − 1) ≥ -x + 4/5",
            "-2|3|3|1|-1|1|RHS:|-1|1|4|5| a(bx + c) ? dx + e ", {{1, 3}, {20, 3}}},
        {-1, {1, 5, 9, 4, -7, 2, 7, 1}, "<", "5/9(4x − 7) < x + 2/7",
            "5|9|4|1|-7|1|RHS:|1|1|2|7| a(bx + c) ? dx + e ", {{0, 3}, {18, 3}}},
        {4, {2, 3, 4, 1, 2, 5, 3, -1, 2}, "<", "3/4(x + 2) < ( 5/3 )x − 1/2",
            "3|4|1|1|2|1|RHS:|5|3|-1|2| a(bx + c) ? dx + e ", {{0, 3}, {15, 3}, {24, 3}}},
        // (1, 1) and (4, -6) are drawn again, and so are (6, 4) and (3, 3) for d.
        {7, {2, 5, 9, 1, 1, 4, -6, 4, -7, 6, 4, 3, 3, 2, 3, 1, 7}, "<", "5/9(4x − 7) < ( 2/3 )x + 1/7",
            "5|9|4|1|-7|1|RHS:|2|3|1|7| a(bx + c) ? dx + e ", {{0, 3}, {16, 3}, {25, 3}}},
    });
    // clang-format on
}

TEST(LinearProblemGeneratorXL, ABrokenSourceGivesNoProblemInsteadOfHanging) {
    ConstantRandom zero(0);  // 0 is never a coefficient
    for (std::int64_t level : {0, 2, 3}) EXPECT_EQ(generateLinearProblemXL(level, "=", zero), std::nullopt);
}

// The fraction runs are drawn as diagonal fractions: in Inter, with the
// "frac" feature on, a run measures and draws narrower than without it.
TEST(LinearProblemGeneratorXL, DisplayLinesDrawTheirFractionsDiagonally) {
    const gfx::Font fraction = diagonalFractionFont();
    EXPECT_EQ(fraction.family(), "Inter");
    EXPECT_EQ(fraction.pointSize(), baseFontSize());
    EXPECT_EQ(fraction.features(), (std::vector<gfx::FontFeature>{{"frac", 1}}));

    ScriptedRandom random{1, 2, -3, 4, 5, 6, 9, 7, 0};
    const gfx::AttributedText line = generateLinearProblemXL(2, "=", random)->examples.at(0);
    gfx::AttributedText plain(line.text());
    for (const gfx::TextSpan& span : line.spans()) plain.addFont(span.range, fraction.withFeature("frac", 0));
    const gfx::TextAttributes defaults{gfx::Font::system(baseFontSize())};
    const gfx::Size diagonal = gfx::measureText(line, defaults), straight = gfx::measureText(plain, defaults);
    EXPECT_LT(diagonal.width, straight.width - 4 * 0.25 * baseFontSize());  // each run loses at least 1/4 em
    EXPECT_LT(gfx::measureText(gfx::AttributedText("1/2"), {fraction}).width,
              gfx::measureText(gfx::AttributedText("1/2"), {fraction.withFeature("frac", 0)}).width);

    const auto inkWidth = [&](const gfx::AttributedText& text) {
        gfx::ImageSurface image(straight.width + 8, straight.height + 8);
        gfx::DrawingScope scope(image.context());
        gfx::drawText(text, {4, 4}, defaults);
        const gfx::testing::InkBounds ink = gfx::testing::inkBounds(image);
        return ink.maxX - ink.minX;
    };
    EXPECT_LT(inkWidth(line), inkWidth(plain));
}

// The part of a UTF-8 text at a UTF-16 range.
std::string utf16Slice(const std::string& text, gfx::TextRange range) {
    std::string slice;
    std::size_t unit = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (unit >= range.location && unit < range.location + range.length) slice += text.substr(i, bytes);
        unit += bytes == 4 ? 2 : 1;
        i += bytes;
    }
    return slice;
}

// Many problems of every level: the display line and the input list say the
// same equation (each read in the test, by itself), and a model made from the
// inputs solves to the answer worked out from them. The decimal forms, marked
// " !", are outside the form table: their model gives the "database issue".
TEST(LinearProblemGeneratorXL, RandomProblemsSayTheirEquationAndSolveToItsAnswer) {
    SystemRandomSource source(20240301);
    SystemRandomSource advice(11);  // the smart method's draws
    ScopedDefaultRandom installed(advice);
    for (std::int64_t level : {0, 1, 2, 3, -1, 100}) {
        std::set<std::string> variants;
        for (int i = 0; i < 50; ++i) {
            const auto relation = static_cast<Relation>(source.uniformIndex(5));
            const std::optional<LinearProblemRecord> record =
                generateLinearProblemXL(level, rawValue(relation), source);
            ASSERT_TRUE(record);
            const gfx::AttributedText& line = record->examples.at(0);
            LinearEquationModel model = modelFromInputs(record->inputs.at(0).at(0), relation,
                                                        source.fairBool() ? Technique::balance : Technique::transpose,
                                                        source.fairBool() ? Style::fraction : Style::rational_fraction,
                                                        source.fairBool() ? Method::smart : Method::standard);
            const bool decimal = model.format.ends_with(" !");
            EXPECT_EQ(decimal, level == 1);
            bool whole = false;
            for (const auto* side : {&model.coefficients_LHS, &model.coefficients_RHS}) {
                for (const auto& [letter, r] : *side) {
                    EXPECT_TRUE(r.numerator != 0 && r.denominator > 0) << line.text();
                    EXPECT_TRUE(decimal || std::gcd(r.numerator, r.denominator) == 1) << line.text();
                    whole = whole || (letter == 'd' && r.denominator == 1);
                }
            }
            // Every run in the fraction font is one fraction "n/d".
            for (const gfx::TextSpan& span : line.spans()) {
                const std::string run = utf16Slice(line.text(), span.range);
                EXPECT_EQ(std::count(run.begin(), run.end(), '/'), 1) << line.text();
                EXPECT_EQ(run.find_first_not_of("0123456789/"), std::string::npos) << line.text();
            }
            EXPECT_EQ(line.spans().empty(), level == 0 || level == 1);
            variants.insert(model.format + (level > 2 || level < 0 ? std::to_string(whole) : ""));

            if (decimal) {
                EXPECT_EQ(model.solveLinearEquation().comments, StepComments{{"database issue"}});
                model.format.resize(model.format.size() - 1);  // the form itself, to read the inputs by
            }
            const std::optional<LinearValue> shown = DisplayReader(line.text()).equation(rawValue(relation));
            ASSERT_TRUE(shown) << line.text();
            const LinearValue said = collected(model);
            EXPECT_TRUE(shown->k == said.k && shown->m == said.m) << line.text() << " | " << model.format;
            if (!decimal) {
                EXPECT_EQ(answerLine(model.solveLinearEquation()), expectedAnswerLine(model)) << line.text();
            }
        }
        EXPECT_EQ(variants.size(), level == 0 ? 5u : level == 1 || level == 2 ? 4u : 3u) << "level " << level;
    }
}

}  // namespace
}  // namespace duolinear
