// The editors that find an item through the item tree and recolour it.

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout_extensions/NumberCellRecords.h"
#include "layout_extensions/RecordEditors.h"
#include "support/LayoutDump.h"

namespace duolinear {
namespace {

using testing::dump;
using Rows = std::vector<std::string>;

const TagLayout kTwoLeaves = joinLayouts("+", messageLayout("a"), messageLayout("b"), Color::black, "j");
// rows: 0 start, 1 message a, 4 message b, 7 join

TagLayout withEntry(TagLayout layout, std::size_t row, std::size_t position, const std::string& text) {
    layout[row].set(position, text);
    return layout;
}

TEST(RecordEditors, FindItemByTagWalksTheTreeRightChildFirst) {
    const TagLayout unreachable = [] {
        TagLayout l = messageLayout("a");
        const TagLayout extra = wholeLayout(5, Color::black, "lost");
        l.insert(l.end(), extra.begin() + 1, extra.end());  // rows 4-6, named by nothing
        return l;
    }();
    const TagLayout bracketedFraction = unaryLayout("()", fractionLayout(1, 2, Color::black, Color::black, "f"));
    const TagLayout block = blockLayout(
        joinLayouts("=", joinLayouts("+", wholeLayout(1), wholeLayout(2)), wholeLayout(3, Color::black, "e")));
    const TagLayout grid = {
        {"start", "1"}, {"box_grid", "4"}, {"box_grid_terms"}, {"box_grid_colors"}, {"box_grid_tag", "g"}};

    struct Case {
        const char* label;
        TagLayout layout;
        std::string tag;
        std::optional<std::size_t> found;
    };
    const Case cases[] = {
        {"empty layout", {}, "start", std::nullopt},
        {"no start row", {{"message", "a"}, {"message_color", "black"}, {"message_tag", "anon"}}, "anon", std::nullopt},
        {"start", kTwoLeaves, "start", 0},
        {"right leaf before left", kTwoLeaves, "anon", 4},
        {"join before its leaves", withEntry(kTwoLeaves, 10, 1, "anon"), "anon", 7},
        {"left leaf", withEntry(kTwoLeaves, 3, 1, "x"), "x", 1},
        {"the join", kTwoLeaves, "j", 7},
        {"inside a unary", bracketedFraction, "f", 1},
        {"through a block", block, "e", 11},
        {"box grid", grid, "g", 1},
        {"not reachable from the root", unreachable, "lost", std::nullopt},
        {"extended fractions are not matched", extendedFractionLayout("×", 1, 2, 3, 4, Color::black, Color::black, "x"),
         "x", std::nullopt},
        {"child that is no index", withEntry(kTwoLeaves, 8, 2, "BLANK"), "anon", 1},
        {"child after its parent", withEntry(kTwoLeaves, 8, 2, "9"), "anon", 1},
        {"join naming itself", withEntry(withEntry(kTwoLeaves, 8, 1, "7"), 8, 2, "7"), "anon", std::nullopt},
        {"root past the end", withEntry(kTwoLeaves, 0, 1, "99"), "j", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(findItemByTag(c.layout, c.tag), c.found) << c.label;
}

TEST(RecordEditors, RecolourTheFoundNumberCell) {
    const TagLayout layout =
        joinLayouts("+", fractionLayout(1, 2, Color::red, Color::blue, "f"),
                    joinLayouts("+", mixedNumberLayout(1, 2, 3, Color::red, Color::blue, Color::gray, "m"),
                                wholeLayout(4, Color::red, "w")));
    // rows: 1 fraction, 4 mixed number, 7 whole
    struct Case {
        const char* label;
        TagLayout result;
        std::size_t row;
        Rows colors;
    };
    const Case cases[] = {
        {"fraction part of a fraction",
         recolorFractionPart(layout, Color::green, "f"),
         2,
         {"fraction_color", "green", "green"}},
        {"fraction part of a mixed number",
         recolorFractionPart(layout, Color::green, "m"),
         5,
         {"mixed_number_color", "red", "green", "green"}},
        {"denominator of a fraction",
         recolorDenominator(layout, Color::green, "f"),
         2,
         {"fraction_color", "red", "green"}},
        {"denominator of a mixed number",
         recolorDenominator(layout, Color::green, "m"),
         5,
         {"mixed_number_color", "red", "blue", "green"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rows(c.result[c.row].begin(), c.result[c.row].end()), c.colors) << c.label;
        TagLayout rest = c.result;
        rest[c.row] = layout[c.row];
        EXPECT_EQ(rest, layout) << c.label;
    }
    EXPECT_EQ(recolorFractionPart(layout, Color::green, "w"), layout);
    EXPECT_EQ(recolorDenominator(layout, Color::green, "none"), layout);
}

TEST(RecordEditors, RecolourASubtree) {
    const TagLayout layout =
        joinLayouts("=", messageLayout("x"),
                    unaryLayout("()", signedRationalLayout(-1, 2, Color::red, Color::red, Color::red, Color::red),
                                Color::invisible));
    const TagLayout green = recolorSubtree(layout, Color::green, "start");
    EXPECT_EQ(dump(green),
              (Rows{"start, 11", "message, x", "message_color, green", "message_tag, anon", "signed_rational, -, 1, 2",
                    "signed_rational_color, green, green, green, green", "signed_rational_tag, anon", "unary, ()",
                    "unary_locator, 4", "unary_color, green", "unary_tag, anon", "join, =", "join_locator, 1, 7",
                    "join_color, green", "join_tag, anon"}));

    // Only below the found item.
    TagLayout tagged = layout;
    tagged[10].set(1, "u");
    const TagLayout part = recolorSubtree(tagged, Color::green, "u");
    EXPECT_EQ(part[2], layout[2]);
    EXPECT_EQ(part[9], (TagRow{"unary_color", "green"}));

    // A block keeps its cells; box grids keep their colour count.
    const TagLayout block =
        blockLayout(joinLayouts("=", joinLayouts("+", wholeLayout(1), wholeLayout(2)), wholeLayout(3)));
    EXPECT_EQ(recolorSubtree(block, Color::green, "start"), block);
    const TagLayout grid = {{"start", "1"},
                            {"box_grid", "4"},
                            {"box_grid_terms", "a", "b"},
                            {"box_grid_colors", "red", "blue"},
                            {"box_grid_tag", "g"}};
    EXPECT_EQ(recolorSubtree(grid, Color::green, "g")[3], (TagRow{"box_grid_colors", "green", "green"}));
}

TEST(RecordEditors, SetColourByTagKey) {
    const TagLayout layout =
        joinLayouts("+", messageLayout("a", Color::black, "k"),
                    unaryLayout("()", messageLayout("b", Color::black, "k"), Color::black, "k"), Color::black, "k");
    // rows: 1 message a, 4 message b, 7 unary, 11 join
    TagLayout l = layout;
    setMessageColor(l, Color::red, "k");
    setUnaryColor(l, Color::green, "k");
    setJoinColor(l, Color::blue, "k");
    EXPECT_EQ(l[2], (TagRow{"message_color", "red"}));
    EXPECT_EQ(l[5], layout[5]);
    EXPECT_EQ(l[9], (TagRow{"unary_color", "green"}));
    EXPECT_EQ(l[13], (TagRow{"join_color", "blue"}));

    TagLayout unchanged = layout;
    setJoinColor(unchanged, Color::red, "none");
    setUnaryColor(unchanged, Color::red, "none");
    EXPECT_EQ(unchanged, layout);
}

}  // namespace
}  // namespace duolinear
