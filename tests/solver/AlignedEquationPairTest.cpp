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

}  // namespace
}  // namespace duolinear
