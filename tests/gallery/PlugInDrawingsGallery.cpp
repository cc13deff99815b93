// The arithmetic plug-ins drawn through the renderer as worked examples:
// 23 × 45 by lattice and by grid, 478 + 256 in columns, 1234 ÷ 7 by long and
// by partial division, a subtraction with regrouping and a count up; the
// stages of the divisions and of the count; and the edge cases where a text
// has less room than it needs. Each inside its measured box.

#include "gallery/RendererPictures.h"
#include "layout_extensions/PlugInRecords.h"

namespace duolinear::gallery {
namespace {

// Writes NAME.png with the layout's measured box outlined faintly; the layout
// must draw, and all its ink must stay in the box.
void draw(const std::string& name, const TagLayout& layout) {
    drawLayoutPicture(layout, name + ".png", {.margin = 20, .mustDraw = true, .outlineBox = true});
}

TextList repeated(std::size_t count, const std::string& text) {
    return TextList(count, text);
}

TextList joined(TextList a, const TextList& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A tableau subtraction reads right: in each column, the value on top (the
// highest shown cell of the small rows and the minuend row that is not struck
// out) less the subtrahend's digit is the difference's digit. The minuend row
// follows the `smallRows` small rows; the subtrahend and the difference come
// next. A hidden or "Z" cell counts as 0 below the minuend.
void expectColumnsSubtract(const TextGrid& tableau, const TextGrid& codes, std::size_t smallRows) {
    const auto shown = [&](std::size_t r, std::size_t c) { return codes[r][c][0] == 'Y' && tableau[r][c] != "Z"; };
    const auto digit = [&](std::size_t r, std::size_t c) { return shown(r, c) ? std::stoi(tableau[r][c]) : 0; };
    for (std::size_t c = 0; c < tableau[smallRows].size(); ++c) {
        std::size_t top = 0;
        while (top <= smallRows && (!shown(top, c) || codes[top][c][1] == 'Y')) ++top;
        ASSERT_LE(top, smallRows) << "column " << c << " has every value struck out";
        EXPECT_EQ(digit(top, c) - digit(smallRows + 1, c), digit(smallRows + 2, c)) << "column " << c;
    }
}

TEST(PlugInDrawingsGallery, WorkedExamples) {
    // 23 × 45 = 1035: 23 on top in red, 45 down the side in blue; the band
    // that makes the tens digit (2 + 0 + 1 = 3) is shaded, and so is its sum.
    const TextList clear4 = repeated(4, "clear");
    draw("lattice-23x45",
         latticeMultiplyLayout(
             "2", "2", {"2", "3", "4", "5"}, joined({"red", "red", "blue", "blue"}, clear4), {"1", "0", "3", "5"},
             joined(repeated(4, "black"), {"clear", "clear", "light gray", "clear"}),
             {"0", "1", "1", "1", "8", "2", "0", "5"},
             joined(repeated(4, "black"),
                    joined({"clear", "clear", "clear", "light gray"},
                           joined(repeated(4, "black"), {"clear", "light gray", "light gray", "clear"}))),
             "anon"));
    // 23 × 45 = 800 + 120 + 100 + 15.
    draw("grid-23x45",
         gridMultiplyLayout("2", "2", {"20", "3", "40", "5"}, joined({"red", "red", "blue", "blue"}, clear4),
                            {"800", "120", "100", "15"}, joined(repeated(4, "black"), clear4), "anon"));
    // 478 + 256 = 734, the sum shaded.
    draw("add-column-478+256", *addColumnLayout("anon", "+", 3, {{"4", "7", "8"}, {"2", "5", "6"}, {"7", "3", "4"}},
                                                {{"YN", "YN", "YN"}, {"YN", "YN", "YN"}, {"YR", "YR", "YR"}}));
    // 1234 ÷ 7 = 176 R 2, written out digit by digit.
    draw("long-division-1234-7",
         divideOpLayout("anon", "÷", {"BB176", "71234", "BB7BB", "BB53B", "BB49B", "BBB44", "BBB42", "BBBB2"},
                        repeated(8, "NNNNN"), {"1", "3", "2", "3", "1", "5", "3", "5", "2", "7", "4", "7"},
                        {"1234", "7", "", "2"}, {"SUMMARY", "3"}));
    // 1234 ÷ 7 by taking away 100, 50, 20 and 6 sevens: 176 R 2.
    draw("partial-division-1234-7",
         dividePartialOpLayout("anon", "÷", {"", "700", "534", "350", "184", "140", "44", "42", "2"},
                               {"1234", "7", "176", "2"}, {"SUMMARY", "4"}, {"100", "50", "20", "6"}));
    // 536 − 281 = 255: a hundred regrouped as ten tens, 5 and 3 struck out.
    draw("tableau-536-281",
         tableauOpLayout("anon", "\u2212", {{"4", "13", "Z"}, {"5", "3", "6"}, {"2", "8", "1"}, {"2", "5", "5"}},
                         {{"YNN", "YNN", "NNN"}, {"YYN", "YYN", "YNN"}, {"YNN", "YNN", "YNN"}, {"YNN", "YNN", "YNN"}},
                         {"4", "3", "1", "false"}, {"4", "false"}));
    // The same subtraction checked by adding 281 back to 255: the plus
    // section, its "+" and two rules.
    draw("tableau-536-281-checked",
         tableauOpLayout(
             "anon", "\u2212",
             {{"4", "13", "Z"}, {"5", "3", "6"}, {"2", "8", "1"}, {"2", "5", "5"}, {"2", "8", "1"}, {"5", "3", "6"}},
             {{"YNN", "YNN", "NNN"},
              {"YYN", "YYN", "YNN"},
              {"YNN", "YNN", "YNN"},
              {"YNN", "YNN", "YNN"},
              {"YNN", "YNN", "YNN"},
              {"YNG", "YNG", "YNG"}},
             {"6", "3", "1", "false"}, {"6", "true"}));
    // Counting up from 27 to 50: +3 to 30, +20 to 50; 3 + 20 = 23.
    draw("count-27-to-50", countOpLayout("anon", "", {{"27", "3", "30"}, {"30", "20", "50"}},
                                         {"COUNT UP", "2", "2", "23"}, {"SUMMARY", "2"}, {"3", "20"}));
}

TEST(PlugInDrawingsGallery, StagesOfTheDivisionsAndTheCount) {
    // 1234 ÷ 7 by long division: the second subtraction in progress, its
    // product light gray; then the solution, the remainder light gray.
    drawLayoutsInARow(
        "long-division-1234-7-stages",
        {divideOpLayout("anon", "÷", {"BB17B", "71234", "BB7BB", "BB53B", "BB49B"},
                        {"NNNNN", "NNNNN", "NNNNN", "NNNNN", "NNLLN"}, {"1", "3", "2", "3", "1", "5", "3", "5"},
                        {"1234", "7", "", "2"}, {"SUBTRACT", "1"}),
         divideOpLayout("anon", "÷", {"BB176", "71234", "BB7BB", "BB53B", "BB49B", "BBB44", "BBB42", "BBBB2"},
                        {"NNNNN", "NNNNN", "NNNNN", "NNNNN", "NNNNN", "NNNNN", "NNNNN", "NNNND"},
                        {"1", "3", "2", "3", "1", "5", "3", "5", "2", "7", "4", "7"}, {"1234", "7", "", "2"},
                        {"SOLUTION", "3"})});
    // 1234 ÷ 7 by partial quotients, stage by stage up to the solution.
    const TextList tableau = {"", "700", "534", "350", "184", "140", "44", "42", "2"};
    const TextList globals = {"1234", "7", "176", "2"};
    const TextList partials = {"100", "50", "20", "6"};
    const auto stage = [&](const std::string& name, int steps) {
        return dividePartialOpLayout("anon", "÷", tableau, globals, {name, std::to_string(steps)}, partials);
    };
    drawLayoutsInARow("partial-division-1234-7-stages",
                      {stage("PROBLEM", 0), stage("CHOOSE", 0), stage("GRAB AND CHOOSE", 1), stage("GRAB", 2),
                       stage("CHOICE", 3), stage("ADD", 4), stage("SOLUTION", 4)});
    // Counting up from 27 to 50: no step yet, the first step, both steps
    // shown, the amounts counted; and counting down from 50 to 27.
    const TextGrid up = {{"27", "3", "30"}, {"30", "20", "50"}};
    const auto count = [&](const std::string& name, int steps) {
        return countOpLayout("anon", "", up, {"COUNT UP", "2", "2", "23"}, {name, std::to_string(steps)}, {"3", "20"});
    };
    drawLayoutsInARow("count-27-to-50-stages",
                      {count("STEP", 0), count("STEP", 1), count("SHOW", 2), count("COUNT", 2),
                       countOpLayout("anon", "", {{"50", "20", "30"}, {"30", "3", "27"}},
                                     {"COUNT DOWN", "2", "2", "23"}, {"SUMMARY SHORT", "2"}, {"20", "3"})});
}

TEST(PlugInDrawingsGallery, TextsWithLittleRoom) {
    // 5 × 7300 = 1500 + 35000 with 300 heading the first column: the cells
    // are sized for the later, longer heading and its product.
    draw("grid-5x7300",
         gridMultiplyLayout("1", "2", {"300", "7000", "5"}, joined({"red", "red", "blue"}, repeated(3, "clear")),
                            {"1500", "35000"}, joined(repeated(2, "black"), repeated(2, "clear")), "anon"));
    // 987 ÷ 7, first choosing 200 sevens: the product 1400 is wider than the
    // dividend, and its minus sign stands left of the divisor.
    draw("partial-division-987-7-wide-product",
         dividePartialOpLayout("anon", "÷", {"", "1400", "−413"}, {"987", "7", "200", "0"}, {"CHOICE", "1"}, {"200"}));
    // 503 − 48 = 455: a hundred regrouped into ten tens, leaving the
    // two-digit small texts "10" and "13" side by side; then one of those
    // tens into the ones, the struck "10" becoming the "9" above it.
    const TextGrid tableau = {{"Z", "9", "Z"}, {"4", "10", "13"}, {"5", "0", "3"}, {"Z", "4", "8"}, {"4", "5", "5"}};
    const TextGrid codes = {
        {"NNN", "YNN", "NNN"}, {"YNN", "YYN", "YNR"}, {"YYN", "YYN", "YYN"}, {"NNN", "YNN", "YNN"}, {"YNN", "YNN", "YNN"}};
    expectColumnsSubtract(tableau, codes, 2);
    draw("tableau-503-48", tableauOpLayout("anon", "−", tableau, codes, {"5", "3", "2", "false"}, {"5", "false"}));
}

}  // namespace
}  // namespace duolinear::gallery
