// The number-cell builders, the two choosers and the row-walk recolourers.

#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/RandomSource.h"
#include "layout_extensions/NumberCellRecolor.h"
#include "layout_extensions/NumberCellRecords.h"
#include "support/LayoutDump.h"

namespace duolinear {
namespace {

using testing::dump;
using Rows = std::vector<std::string>;

constexpr std::int64_t kLeast = INT64_MIN;

// Rows 1 and 2 of each layout; every one has four rows, the start row
// pointing at row 1 and the tag row keyed by the kind plus "_tag".
TEST(NumberCellRecords, BuildersWriteTheirRows) {
    const CancelBothColors both{Color::black, Color::gray, Color::blue, Color::green, Color::red, Color::brown};
    const CancelOneColors one{Color::black, Color::gray, Color::blue, Color::red};
    const std::tuple<TagLayout, std::string, std::string> cases[] = {
        {wholeLayout(-7, Color::red), "whole, -7", "whole_color, red"},
        {fractionLayout(3, 4), "fraction, 3, 4", "fraction_color, black, black"},
        {fractionLayout(3, -4, Color::red, Color::blue), "fraction, -3, 4", "fraction_color, red, blue"},
        {fractionLayout(-3, -4), "fraction, 3, 4", "fraction_color, black, black"},
        {fractionLayout(3, 0), "fraction, 3, 0", "fraction_color, black, black"},
        {fractionLayout(kLeast, -1), "fraction, 9223372036854775808, 1", "fraction_color, black, black"},
        {mixedNumberLayout(-2, 1, -3), "mixed_number, -2, -1, 3", "mixed_number_color, black, black, black"},
        {rationalItemLayout(3, 0), "rational, -3, 0", "rational_color, black, black, black, black"},
        {rationalItemLayout(3, -4, Color::red, Color::green, Color::blue, Color::gray), "rational, -3, 4",
         "rational_color, red, green, blue, gray"},
        {rationalItemLayout(5, kLeast), "rational, -5, 9223372036854775808",
         "rational_color, black, black, black, black"},
        {fractionCancelNumeratorAndDenominatorLayout(-6, 8, -3, 4, both),
         "fraction_cancel_numerator_and_denominator, -6, 8, -3, 4",
         "fraction_cancel_numerator_and_denominator_color, black, gray, blue, green, red, brown"},
        {fractionCancelNumeratorLayout(6, -8, 3, one), "fraction_cancel_numerator, 6, -8, 3",
         "fraction_cancel_numerator_color, black, gray, blue, red"},
        {fractionCancelDenominatorLayout(6, 8, 4, one), "fraction_cancel_denominator, 6, 8, 4",
         "fraction_cancel_denominator_color, black, gray, blue, red"},
    };
    for (const auto& [layout, kindRow, colorRow] : cases) {
        EXPECT_EQ(dump(layout), (Rows{"start, 1", kindRow, colorRow, std::string(layout[1][0]) + "_tag, anon"}))
            << kindRow;
    }
    // The one whose tag row is keyed by the kind alone.
    EXPECT_EQ(dump(extendedFractionLayout("×", 1, 2, 3, 5, Color::red, Color::blue, "e")),
              (Rows{"start, 1", "extended_fraction, ×, 1, 2, 3, 5", "extended_fraction_color, red, blue",
                    "extended_fraction, e"}));
}

TEST(NumberCellRecords, BlockFollowsItsChild) {
    // (12 + 7) = 19: two joins over three cells, 18 rows.
    const TagLayout child = joinLayouts("=", joinLayouts("+", wholeLayout(12), wholeLayout(7)), wholeLayout(19));
    ASSERT_EQ(child.size(), 18u);
    const TagLayout block = blockLayout(child);
    ASSERT_EQ(block.size(), 19u);
    EXPECT_EQ(block[0], (TagRow{"start", "18"}));
    EXPECT_EQ(TagLayout(block.begin() + 1, block.end() - 1), TagLayout(child.begin() + 1, child.end()));
    EXPECT_EQ(block.back(), (TagRow{"block", child[0][1]}));
    // Joined as a right operand, its reference moves with the rows.
    const TagLayout joined = joinLayouts("🖇", wholeLayout(1), block);
    EXPECT_EQ(joined[layoutRootIndex(joined) - 1],
              (TagRow{"block", std::to_string(std::stoi(std::string(child[0][1])) + 3)}));
}

TEST(NumberCellRecords, ChoosersPickTheForm) {
    const std::tuple<const char*, TagLayout, std::string> cases[] = {
        {"no whole part", numberLayout(0, 3, 4), "fraction, 3, 4"},
        {"whole and fraction", numberLayout(2, 3, 4), "mixed_number, 2, 3, 4"},
        {"no numerator", numberLayout(5, 0, 4), "whole, 5"},
        {"no denominator", numberLayout(5, 3, 0), "whole, 5"},
        {"nothing", numberLayout(0, 0, 4), "whole, 0"},
        {"divides", rationalToLayout(6, 3, false), "integer, 2"},
        {"divided by -1", rationalToLayout(4, -1, true), "integer, -4"},
        {"least value by -1", rationalToLayout(kLeast, -1, false), "integer, 9223372036854775808"},
        {"least value by 1", rationalToLayout(kLeast, 1, false), "integer, -9223372036854775808"},
        {"reduced", rationalToLayout(6, 4, true), "signed_rational, +, 3, 2"},
        {"not reduced", rationalToLayout(6, 4, false), "signed_rational, +, 6, 4"},
        {"negative denominator", rationalToLayout(6, -4, true), "signed_rational, -, 3, 2"},
        {"least numerator", rationalToLayout(kLeast, 3, true), "signed_rational, -, 9223372036854775808, 3"},
        {"over 0", rationalToLayout(6, 0, true), "signed_rational, +, 6, 0"},
        {"negative over 0", rationalToLayout(-6, 0, true), "signed_rational, -, 6, 0"},
        {"0 over 0", rationalToLayout(0, 0, false), "signed_rational, +, 0, 0"},
    };
    for (const auto& [label, layout, kindRow] : cases) {
        ASSERT_EQ(layout.size(), 4u) << label;
        EXPECT_EQ(dump(layout)[1], kindRow) << label;
    }
}

// The value a rationalToLayout item shows, checked by cross-multiplying in
// 128 bits against the numbers it was made from.
TEST(NumberCellRecords, RationalToLayoutShowsTheValueRandomized) {
    SystemRandomSource random(21);
    const std::int64_t bounds[] = {12, 1000, INT64_MAX};
    for (int trial = 0; trial < 3000; ++trial) {
        const std::int64_t bound = bounds[trial % 3];
        const std::int64_t n = trial % 97 == 0 ? kLeast : random.uniformInt(-bound, bound);
        std::int64_t d = random.uniformInt(-bound, bound);
        if (d == 0) d = -1;
        const bool reduce = random.fairBool();
        const TagLayout layout = rationalToLayout(n, d, reduce);
        const __int128 N = n, D = d;
        SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(d));
        if (N % D == 0) {
            ASSERT_EQ(layout[1][0], "integer");
            const __int128 q = N / D;
            EXPECT_EQ(layout[1][1], (q < 0 ? "-" : "") + std::to_string(static_cast<std::uint64_t>(q < 0 ? -q : q)));
            continue;
        }
        ASSERT_EQ(layout[1][0], "signed_rational");
        const __int128 top = std::stoull(std::string(layout[1][2])), bottom = std::stoull(std::string(layout[1][3]));
        const __int128 sign = layout[1][1] == "-" ? -1 : 1;
        EXPECT_EQ(sign * top * D, N * bottom);
        if (reduce) {
            EXPECT_EQ(std::gcd(static_cast<std::uint64_t>(top), static_cast<std::uint64_t>(bottom)), 1u);
        } else {
            EXPECT_EQ(bottom, D < 0 ? -D : D);
        }
    }
}

// A layout of items side by side (a left-nested row of juxtapositions).
TagLayout row(const Layouts& items) {
    TagLayout out = items.front();
    for (std::size_t i = 1; i < items.size(); ++i) out = joinLayouts("🖇", out, items[i]);
    return out;
}

// Hand-written items of four rows each: the box grid and a plug-in item.
TagLayout boxGrid(const std::string& tag) {
    const TagRow nine(9, "1");
    TagRow terms{"box_grid_terms"}, colors{"box_grid_colors"};
    terms.insert(terms.end(), nine.begin(), nine.end());
    colors.insert(colors.end(), 9, "black");
    return {{"start", "1"}, {"box_grid", "4"}, terms, colors, {"box_grid_tag", tag}};
}

TagLayout primeTree(const std::string& tag) {
    return {{"start", "1"},
            {"plug_in", "prime_tree", "4"},
            {"prime_tree_pairs", "2", "3"},
            {"prime_tree_colors", "black", "black"},
            {"prime_tree_tag", tag}};
}

// The colour row of the first item of a kind carrying the tag, by key.
Rows colorRowOf(const TagLayout& layout, const std::string& kind, const std::string& tag) {
    for (std::size_t i = 0; i + 2 < layout.size(); ++i) {
        if (layout[i][0] == kind && layout[i + 2].size() > 1 && layout[i + 2][1] == tag) {
            return Rows(layout[i + 1].begin(), layout[i + 1].end());
        }
    }
    return {};
}

// The two recolourers that take other colours, given the shape of the rest.
void visible(TagLayout& layout, Color color, const std::string& tag) {
    recolorVisibleFraction(layout, color, Color::green, tag);
}
void mixed(TagLayout& layout, Color color, const std::string& tag) {
    setMixedNumberColors(layout, color, Color::green, Color::blue, tag);
}

TEST(NumberCellRecolourers, ChangeTheFirstHandledItemWithTheTag) {
    // A blank line or a box grid right before the tagged fraction.
    for (const TagLayout& before : {blankLayouts(1)[0], boxGrid("t")}) {
        TagLayout layout = joinLayouts("🖇", before, fractionLayout(1, 2, Color::black, Color::black, "t"));
        recolorNumberCell(layout, Color::red, "t");
        EXPECT_EQ(colorRowOf(layout, "fraction", "t"), (Rows{"fraction_color", "red", "red"})) << before[1][0];
    }

    // A box grid, a plug-in and a blank line stand before the tagged items, so
    // a walk that steps by a fixed count per kind would fall out of step.
    const CancelBothColors both{Color::black, Color::gray, Color::blue, Color::cyan, Color::red, Color::brown};
    const CancelOneColors one{Color::black, Color::gray, Color::blue, Color::red};
    const TagLayout layout =
        row({boxGrid("t"), primeTree("t"), blankLayouts(1)[0], wholeLayout(5, Color::gray, "t"),
             fractionLayout(1, 2, Color::gray, Color::cyan, "t"),
             mixedNumberLayout(1, 2, 3, Color::gray, Color::cyan, Color::brown, "t"),
             fractionCancelNumeratorAndDenominatorLayout(6, 8, 3, 4, both, "cb"),
             fractionCancelNumeratorLayout(6, 8, 3, one, "cn"), fractionCancelDenominatorLayout(6, 8, 4, one, "cd"),
             extendedFractionLayout("×", 1, 2, 3, 5, Color::gray, Color::cyan, "e"),
             fractionLayout(7, 9, Color::gray, Color::gray, "other")});
    using Recolor = void (*)(TagLayout&, Color, const std::string&);
    const std::tuple<Recolor, std::string, std::string, Rows> cases[] = {
        {recolorNumberCell, "t", "whole", {"whole_color", "red"}},
        {recolorFractionPartInPlace, "t", "fraction", {"fraction_color", "red", "red"}},
        {recolorWholePart, "t", "whole", {"whole_color", "red"}},
        {recolorNumeratorInPlace, "t", "fraction", {"fraction_color", "red", "cyan"}},
        {recolorDenominatorInPlace, "t", "fraction", {"fraction_color", "gray", "red"}},
        {recolorNumeratorInPlace, "other", "fraction", {"fraction_color", "red", "gray"}},
        {mixed, "t", "mixed_number", {"mixed_number_color", "red", "green", "blue"}},
        {visible, "t", "fraction", {"fraction_color", "red", "green"}},
        {visible,
         "cb",
         "fraction_cancel_numerator_and_denominator",
         {"fraction_cancel_numerator_and_denominator_color", "black", "gray", "red", "green", "red", "brown"}},
        {visible,
         "cn",
         "fraction_cancel_numerator",
         {"fraction_cancel_numerator_color", "black", "green", "red", "red"}},
        {visible,
         "cd",
         "fraction_cancel_denominator",
         {"fraction_cancel_denominator_color", "red", "gray", "green", "red"}},
        {visible, "e", "extended_fraction", {"extended_fraction_color", "red", "green"}},
        {recolorNumberCell, "cb", "", {}},  // a kind it does not handle
        {recolorNumberCell, "none", "", {}},
    };
    for (const auto& [recolor, tag, kind, colors] : cases) {
        TagLayout changed = layout;
        recolor(changed, Color::red, tag);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < layout.size(); ++i) differing += changed[i] != layout[i] ? 1 : 0;
        EXPECT_EQ(differing, kind.empty() ? 0u : 1u) << kind << " " << tag;
        if (!kind.empty()) {
            EXPECT_EQ(colorRowOf(changed, kind, tag), colors) << kind << " " << tag;
        }
    }
}

// Random trees of every kind of item, with one fraction tagged: the
// recolourer changes that fraction's colour row and no other row.
TEST(NumberCellRecolourers, FindTheTaggedItemInRandomLayouts) {
    SystemRandomSource random(2021);
    const std::function<TagLayout()> pool[] = {
        [] { return blankLayouts(1)[0]; },
        [] { return boxGrid("target"); },
        [] { return primeTree("target"); },
        [] { return wholeLayout(4, Color::black, "target"); },
        [] { return mixedNumberLayout(1, 2, 3); },  // handled by the recolourer: not tagged
        [] { return fractionCancelDenominatorLayout(6, 8, 4, {}, "target"); },
        [] { return extendedFractionLayout("×", 1, 2, 3, 5, Color::black, Color::black, "target"); },
        [] { return blockLayout(joinLayouts("=", joinLayouts("+", wholeLayout(1), wholeLayout(2)), wholeLayout(3))); },
        [] { return fontLayout(Font::system, messageLayout("m", Color::black, "target"), "target"); },
        [] { return integerLayout(8, Color::black, "target"); },
    };
    for (int trial = 0; trial < 300; ++trial) {
        Layouts items;
        const std::size_t count = 1 + random.uniformIndex(8);
        const std::size_t target = random.uniformIndex(count);
        for (std::size_t i = 0; i < count; ++i) {
            items.push_back(i == target ? fractionLayout(1, 2, Color::gray, Color::gray, "target")
                                        : pool[random.uniformIndex(std::size(pool))]());
        }
        while (items.size() > 1) {
            const std::size_t i = random.uniformIndex(items.size() - 1);
            TagLayout joined = joinLayouts("+", items[i], items[i + 1], Color::black, "target");
            if (random.fairBool()) joined = unaryLayout("()", joined, Color::black, "target");
            items[i] = std::move(joined);
            items.erase(items.begin() + static_cast<long>(i) + 1);
        }
        const TagLayout layout = items.front();
        TagLayout changed = layout;
        recolorDenominatorInPlace(changed, Color::red, "target");
        ASSERT_EQ(colorRowOf(changed, "fraction", "target"), (Rows{"fraction_color", "gray", "red"}))
            << trial << "\n"
            << ::testing::PrintToString(dump(layout));
        std::size_t differing = 0;
        for (std::size_t i = 0; i < layout.size(); ++i) differing += changed[i] != layout[i] ? 1 : 0;
        EXPECT_EQ(differing, 1u) << trial;
    }
}

}  // namespace
}  // namespace duolinear
