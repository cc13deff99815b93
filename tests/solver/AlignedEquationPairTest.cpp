#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/TextFunctions.h"
#include "platform/gfx/Text.h"
#include "solver/AlignedEquationPair.h"
#include "support/LayoutReading.h"

namespace duolinear {
namespace {

using testing::row;

std::size_t characters(const std::string& text) {
    return characterStrings(text).size();
}

TEST(AlignedEquationPair, PaddedTextsLineUpTheColumns) {
    const auto widths = [](const AlignedColumnWidths& w) { return std::vector<std::int64_t>{w.x, w.y, w.constant}; };
    const AlignedColumnWidths narrow = alignedColumnWidths({row(2, 3, 12), row(1, -4, -5), row(3, -1, 7)});
    EXPECT_EQ(widths(narrow), (std::vector<std::int64_t>{1, 1, 2}));
    EXPECT_EQ(widths(alignedColumnWidths({row(-1, -12, 7), row(12, 3, -12)})), (std::vector<std::int64_t>{2, 2, 3}));

    const AlignedColumnWidths wideX{2, 1, 2};
    const struct {
        PolyEquation equation;
        AlignedColumnWidths widths;
        const char* text;
    } cases[] = {
        {row(2, 3, 12), narrow, "2x + 3y = 12"},
        {row(1, -4, -5), narrow, " x − 4y = -5"},
        {row(3, -1, 7), narrow, "3x −  y =  7"},
        {row(1, 3, 12), wideX, "  x + 3y = 12"},
        {row(-1, 3, 12), wideX, " -x + 3y = 12"},
        {row(2, 0, 12), narrow, "2x      = 12"},
        {row(0, -4, -5), narrow, "    -4y = -5"},
        {row(0, 4, 5), narrow, "     4y =  5"},
        {row(0, 1, 5), narrow, "      y =  5"},
        {row(0, -1, 5), narrow, "     -y =  5"},
        {row(0, 0, 13), narrow, "     0  = 13"},
        {testing::equation({testing::xTerm(2)}, {}), narrow, "2x      =  0"},  // missing terms read as 0
    };
    for (const auto& c : cases) {
        const std::string text = formatAlignedEquation(c.equation, c.widths);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(characters(text), static_cast<std::size_t>(c.widths.x + c.widths.y + c.widths.constant + 8));
    }
}

TEST(AlignedEquationPair, TableLinesAreMonospacedAndEquallyLong) {
    const StepLines lines =
        alignedEquationPairTags({row(2, 3, 7), row(2, -2, 2), row(0, 5, 5)}, {.firstColor = Color::red,
                                                                              .secondColor = Color::blue,
                                                                              .prefix = "− ",
                                                                              .suffix = " care",
                                                                              .suffixColor = Color::blue});
    const std::vector<std::vector<std::string>> expected{
        {"  2x + 3y = 7     |red"},
        {"− |black", "2x − 2y = 2|blue", " care|blue"},
        {"  –––––––––––     |black"},
        {"       5y = 5     |black"},
    };
    ASSERT_EQ(lines.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(testing::messagePieces(lines[i]), expected[i]) << i;
        EXPECT_EQ(lines[i][layoutRootIndex(lines[i])], (TagRow{"font", "monospaced system"})) << i;
    }
    EXPECT_EQ(testing::readLayout(lines[1]), "− 2x − 2y = 2 care");  // one line of three pieces
    // Without a result the last line reads 0 = 0.
    AlignedPairLook remark;
    remark.suffix = " care";
    EXPECT_EQ(testing::messagePieces(alignedEquationPairTags({row(2, 3, 7), row(2, -2, 2)}, remark)[3]),
              std::vector<std::string>{"     0  = 0     |black"});

    // In the monospaced font every character of the table has one advance,
    // so lines of equal length are equally wide and the columns meet.
    gfx::TextAttributes attributes;
    attributes.font = gfx::Font::monospacedSystem(30);
    const double advance = gfx::measureText("0", attributes).width;
    ASSERT_GT(advance, 0.0);
    for (const char* glyph : {" ", "−", "–", "-", "x", "y", "="}) {
        EXPECT_DOUBLE_EQ(gfx::measureText(glyph, attributes).width, advance) << glyph;
    }
    for (const TagLayout& line : lines) {
        EXPECT_DOUBLE_EQ(gfx::measureText(testing::lineText(line), attributes).width, advance * 18);
    }
}

// Wherever the coefficients differ in width, every row of a table, the sum
// line included, has its x, its operator, its y and its "=" in one column.
TEST(AlignedEquationPair, ColumnsLineUpWhateverTheWidths) {
    // The column of the first character from column `from` on that is one
    // of glyphs, if any.
    const auto column = [](const std::string& line, std::initializer_list<const char*> glyphs,
                           std::size_t from = 0) -> std::optional<std::size_t> {
        const std::vector<std::string> characters = characterStrings(line);
        for (std::size_t i = from; i < characters.size(); ++i) {
            for (const char* glyph : glyphs) {
                if (characters[i] == glyph) return i;
            }
        }
        return std::nullopt;
    };
    const std::vector<std::vector<PolyEquation>> tables{
        {row(100, 7, 5), row(-98, -7, 3), row(2, 0, 8)},
        {row(2, 123, 5), row(1, 1, 3), row(1, 122, 2)},
        {row(-1, -1, -1), row(1000, 1, 10000), row(999, 0, 9999)},
        {row(5, -40, 1), row(5, 3, -123), row(0, -43, 124)},
        {row(12, 1, 3), row(-12, 4567, 3), row(0, 4568, 6)},
        {row(1, -1, 0), row(-3, 20, 7), row(-2, 19, 7)},
    };
    for (const auto& equations : tables) {
        AlignedPairLook look;
        look.prefix = "− ";
        const StepLines lines = alignedEquationPairTags(equations, look);
        ASSERT_EQ(lines.size(), 4u);
        std::vector<std::string> rows;
        for (std::size_t i : {0u, 1u, 3u}) rows.push_back(testing::lineText(lines[i]));
        const std::string table = rows[0] + "\n" + rows[1] + "\n" + rows[2];
        std::optional<std::size_t> x, sign, y, equals;
        const auto same = [&](std::optional<std::size_t>& at, std::optional<std::size_t> here, const char* what) {
            if (!here) return;
            if (!at) at = here;
            EXPECT_EQ(*at, *here) << what << " out of its column in\n" << table;
        };
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const PolyEquation& equation = equations[i];
            const bool hasX = equation.LHS.terms[0].coefficient.numerator != 0;
            const bool hasY = equation.LHS.terms[1].coefficient.numerator != 0;
            if (hasX) same(x, column(rows[i], {"x"}), "x");
            if (hasY) same(y, column(rows[i], {"y"}), "y");
            // The second row's operator prefix stands before the x column.
            if (hasX && hasY) same(sign, column(rows[i], {"+", "−"}, *column(rows[i], {"x"})), "the sign");
            same(equals, column(rows[i], {"="}), "=");
        }
    }
}

}  // namespace
}  // namespace duolinear
