#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "layout_extensions/PlugInRecords.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

void expectNothing(const TagLayout& layout) {
    EXPECT_EQ(measureRoot(layout), LayoutSize{}) << dumpRow(layout.empty() ? TagRow{} : layout[0]);
    EXPECT_FALSE(gfx::testing::inkBounds(*render(layout)).any);
}

TagLayout withRoot(TagLayout layout, const std::string& root) {
    layout[0].set(1, root);
    return layout;
}

TagLayout cut(TagLayout layout, std::size_t rows) {
    layout.resize(rows);
    return layout;
}

TEST(LayoutInterpreter, FrameOfACall) {
    for (auto [size, barSpace] : {std::pair{30.0, 5.0}, {40.0, 5.0}, {48.0, 6.0}})
        EXPECT_EQ(layoutBarSpace(size), barSpace);
    EXPECT_EQ(makeLayoutFrame({}, 0, "system", 30, kMedium, nullptr).metric.fracHeight,
              2 * digitFont(22.5).metrics().capHeight + 5.0);
    EXPECT_EQ(layoutFont("monospaced system", 30, kMedium), gfx::Font::monospacedSystem(30, kMedium));
    for (const char* name : {"system", "monospaced_digit_system", "monospaced digit system", "Monospaced system"}) {
        EXPECT_EQ(layoutFont(name, 30, kMedium), digitFont(30)) << name;
    }
    using W = gfx::FontWeight;
    const W weights[] = {W::light(), W::medium(), W::heavy(), W::bold(), W{0.25}};
    const W heavier[] = {W::medium(), W::heavy(), W::bold(), W::bold(), W{0.25}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(heavierFontWeight(weights[i]), heavier[i]) << weights[i].value;
}

TEST(LayoutInterpreter, UnknownKindsAndMalformedItemsAreNothing) {
    const TagLayout x = messageLayout("x = 1");
    const TagLayout cases[] = {
        blankLayouts(1)[0],
        {{"start", "1"}, {"Message", "x"}, {"message_color", "black"}},
        {{"start", "1"}, {}},
        {},
        withRoot(x, "2"),
        withRoot(x, "x"),
        withRoot(x, ""),
        withRoot(x, "4"),
        withRoot(x, "-1"),
        withRoot(x, " 1"),
        withRoot(x, "99999999999999999999999"),
        // Items whose companion rows or values are missing.
        cut(x, 2),
        cut(unaryLayout("√", x), 6),
        cut(joinLayouts("=", x, x), 9),
        cut(fontLayout(Font::system, x), 5),
        {{"start", "1"}, {"signed_rational", "-", "3"}, {"c", "black", "black", "black", "black"}},
        // Extended kinds short of their rows.
        {{"start", "1"}, {"whole"}, {"whole_color", "black"}},
        {{"start", "1"}, {"plug_in", "prime_tree", "4"}},
        {{"start", "1"}, {"box_grid", "4"}},
        {{"start", "1"}, {"fraction_cancel_numerator", "2", "4", "1"}}};
    for (const TagLayout& layout : cases) expectNothing(layout);
    for (double size : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(measureRoot(integerLayout(12), size), LayoutSize{}) << size;
    }
}

// A layout entering at an absurd size is measured and drawn at the nearest
// sane one: a tableau at 1e300 draws (and finishes) as at the largest size.
TEST(LayoutInterpreter, AbsurdSizesAreTakenAsTheNearestSaneOne) {
    const TagLayout tableau = tableauOpLayout("t", "+", {{"1", "2"}, {"3", "4"}, {"4", "6"}},
                                              {{"YNN", "YYN"}, {"YNN", "YNN"}, {"YNN", "YNN"}}, {"4", "2", "0", "false"},
                                              {"3", "false"});
    const TagLayout layouts[] = {tableau, integerLayout(12)};
    for (const TagLayout& layout : layouts) {
        EXPECT_EQ(measureRoot(layout, 1e300), measureRoot(layout, kLargestLayoutSize));
        EXPECT_EQ(measureRoot(layout, 1e-300), measureRoot(layout, kSmallestLayoutSize));
        EXPECT_NE(measureRoot(layout, 500), measureRoot(layout, kLargestLayoutSize)) << "a size within the range";
    }
    const auto drawnAt = [&](double size) {
        auto image = std::make_unique<gfx::ImageSurface>(200, 200);
        gfx::DrawingScope scope(image->context());
        drawLayout(tableau, "1", -200, 100, size, kMedium);
        return image;
    };
    EXPECT_FALSE(differences(*drawnAt(1e300), *drawnAt(kLargestLayoutSize)).any);
}

TEST(LayoutInterpreter, ChildIndexesMustNameAnEarlierRow) {
    TagLayout layout = unaryLayout("−", integerLayout(5));  // the unary item is row 4, its locator row 5
    const double minus = widthOf("−", digitFont(30));
    EXPECT_DOUBLE_EQ(measureRoot(layout).width, minus + widthOf("5", digitFont(30)));
    for (const char* bad : {"4", "6", "99", "one", "BLANK"}) {
        layout[5].set(1, bad);
        EXPECT_EQ(measureRoot(layout), (LayoutSize{minus, 0, 0})) << bad;
    }
}

TEST(LayoutInterpreter, FontItemMeasuresAsItsChildInItsFont) {
    const TagLayout child = joinLayouts("🖇", messageLayout("x ="), messageLayout(" 12"));
    for (Font font : {Font::monospaced_system, Font::system}) {
        EXPECT_EQ(measureRoot(fontLayout(font, child)), measureLayout(child, "7", rawValue(font), 30, kMedium));
    }
}

// The items of a layout: its rows that are the kind row of an item.
std::size_t itemCount(const TagLayout& layout) {
    std::size_t count = 0;
    for (const TagRow& row : layout) {
        if (!row.empty() && (row[0] == "join" || row[0] == "unary" || row[0] == "integer")) ++count;
    }
    return count;
}

struct PassVisits {
    std::uint64_t measured = 0;
    std::uint64_t drawn = 0;  // the draw pass, its measuring included
};

PassVisits visitsOf(const TagLayout& layout) {
    const std::string root = std::to_string(layoutRootIndex(layout));
    LayoutWalk measuring(layout);
    measureLayout(measuring, root, kDefaultLayoutFontName, 30, kMedium);
    gfx::ImageSurface image(400, 160);
    gfx::DrawingScope scope(image.context());
    LayoutWalk drawing(layout);
    drawLayout(drawing, root, kDefaultLayoutFontName, 20, 80, 30, kMedium);
    return {measuring.visits(), drawing.visits()};
}

TEST(LayoutInterpreter, EachItemIsMeasuredOnceAndDrawnOncePerPass) {
    // Fractions, exponents and operations nested 60 deep on the left: drawing
    // each level used to measure everything below it again.
    TagLayout tree = integerLayout(2);
    const char* joins[] = {"/", "^", "+"};
    for (int i = 0; i < 60; ++i) tree = joinLayouts(joins[i % 3], tree, unaryLayout("−", integerLayout(i)));
    const PassVisits visits = visitsOf(tree);
    EXPECT_EQ(visits.measured, itemCount(tree));
    EXPECT_LE(visits.drawn, 2 * itemCount(tree));
}

TEST(LayoutInterpreter, SharedAndDeeplyNestedChildrenEndQuickly) {
    TagLayout shared = integerLayout(7);  // each join uses the one before twice: 2^40 visits unchecked
    for (int i = 0; i < 40; ++i) {
        const std::string previous(shared[0][1]);
        shared = joinLayouts("+", shared, integerLayout(1));
        shared[shared.size() - 3] = {"join_locator", previous, previous};
    }
    const double width = measureRoot(shared).width;
    // Rows no item uses add nothing to the work.
    for (std::size_t padding : {0, 5000, 100000}) {
        TagLayout padded = shared;
        padded.resize(shared.size() + padding);
        const PassVisits visits = visitsOf(padded);
        EXPECT_LE(visits.measured, itemCount(shared)) << padding;
        EXPECT_LE(visits.drawn, 2 * itemCount(shared)) << padding;
        EXPECT_EQ(measureRoot(padded).width, width) << padding;
    }
    // The first reference to a shared item draws it; the second draws nothing.
    const TagLayout twice = [] {
        TagLayout layout = joinLayouts("+", integerLayout(7), integerLayout(1));
        layout[layout.size() - 3] = {"join_locator", "1", "1"};
        return layout;
    }();
    const auto image = render(twice);
    const double sevenAndPlus = widthOf("7 + ", digitFont(30));
    EXPECT_LT(gfx::testing::inkBounds(*image).maxX, 20 + sevenAndPlus);

    // Shared as exponent and base, an item is measured at ever smaller sizes:
    // each size is remembered beside the others, and the sizes are those of
    // the same tree written out without sharing.
    TagLayout powers = integerLayout(2);
    TagLayout sharedPowers = powers;
    for (int i = 0; i < 8; ++i) {
        powers = joinLayouts("^", powers, powers);
        const std::string previous(sharedPowers[0][1]);
        sharedPowers = joinLayouts("^", sharedPowers, integerLayout(1));
        sharedPowers[sharedPowers.size() - 3] = {"join_locator", previous, previous};
    }
    EXPECT_EQ(measureRoot(sharedPowers), measureRoot(powers));
    EXPECT_LE(visitsOf(sharedPowers).measured, 8u * 9u);

    TagLayout deep = integerLayout(7);
    for (int i = 0; i < 300; ++i) deep = unaryLayout("−", deep);
    render(deep);
    EXPECT_LE(visitsOf(deep).drawn, 2 * itemCount(deep));
    // Items below the depth limit count as nothing.
    EXPECT_NEAR(measureRoot(deep).width, kMaxLayoutDepth * widthOf("−", digitFont(30)), 1e-3);
}

}  // namespace
}  // namespace duolinear
