// Box grids, box tables, prime trees and the measured plug-ins: sizes, where
// texts, lines and strokes are drawn, and what a malformed item does.

#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "layout_extensions/BoxRecords.h"
#include "layout_extensions/PlugInMeasurers.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

const gfx::Font kFont = digitFont(30);
const double z = widthOf("0", kFont), lh = kFont.metrics().lineHeight, asc = kFont.metrics().ascender, g = lh / 4;

// A one-item layout of a kind row and two rows of values.
TagLayout item(TagRow kind, TagRow values, TagRow colors) {
    return {{"start", "1"}, std::move(kind), std::move(values), std::move(colors), {"tag", "anon"}};
}
TagLayout grid(TagRow terms, TagRow colors = TagRow(10, "black")) {
    terms.insert(terms.begin(), "terms");
    return item({"box_grid", "4"}, terms, colors);
}
TagLayout tree(TagRow pairs, TagRow colors) {
    pairs.insert(pairs.begin(), "pairs");
    colors.insert(colors.begin(), "colors");
    return item({"plug_in", "prime_tree", "4"}, pairs, colors);
}
const TagLayout kTable = boxTableLayout(2, 3, {1, 22, 333, 4, 55, 6}, std::vector<Color>(6), "t");
const TagLayout kTree = tree({"2", "30", "2", "15", "3", "5"}, {"black", "black", "black", "black", "black", "blue"});

LayoutSize sized(PlugInSize s) {
    return {s.width, s.height, s.ascent};
}

TEST(BoxAndPlugInItems, MeasureAsTheirKindSays) {
    const TextList globals{"1234", "7", "", "2"}, locals{"SUBTRACT", "1"}, counts{"UP", "2", "1"};
    const TagRow nine{"", "1", "2", "3", "5", "66", "4", "7", "8"};
    const std::tuple<const char*, TagLayout, LayoutSize> cases[] = {
        {"box grid: s = the widest box cell and a digit", grid(nine), {9 * z, 9 * z, 4.5 * z}},
        {"box grid: wide labels do not count",
         grid({"", "12345", "2", "3", "5", "66", "4", "7", "8"}),
         {9 * z, 9 * z, 4.5 * z}},
        {"box table 2 × 3", kTable, {11 * z, 2 * lh, lh}},
        {"box table without rows", item({"box_table", "4", "0", "3"}, {"e"}, {"c"}), {2 * z, 0, 0}},
        {"box table without columns", item({"box_table", "4", "1", "0"}, {"e"}, {"c"}), {0, lh, 0.5 * lh}},
        {"prime tree of three pairs", kTree, {6 * z + 2 * g, 3.75 * lh, asc}},
        {"a wider later cofactor", tree({"2", "30", "2", "105", "3", "5"}, TagRow(6)), {6 * z + 2 * g, 3.75 * lh, asc}},
        {"lattice", latticeMultiplyLayout("2", "3", {}, {}, {}, {}, {}, {}, "t"),
         sized(measureLatticeMultiply(30, 2, 3))},
        {"grid: the longest headings count",
         gridMultiplyLayout("2", "2", {"3", "20", "4000", "50000"}, {}, {}, {}, "t"),
         sized(measureGridMultiply(30, 2, 2, 2, 5))},
        {"tableau", tableauOpLayout("t", "+", {}, {}, counts, {"6"}), sized(measureTableauOp(30, "+", counts, {"6"}))},
        {"partial division", dividePartialOpLayout("t", "", {}, globals, locals, {}),
         sized(measureDividePartialOp(30, "", globals, locals))},
        {"long division", divideOpLayout("t", "", {}, {}, {}, globals, locals),
         sized(measureDivideOp(30, "", globals, locals))},
        {"column addition", *addColumnLayout("t", "+", 3, {{"1", "2"}}, {}), sized(measureAddColumn(30, "+", 3, 1, 2))},
        {"count", countOpLayout("t", "", {}, counts, {"COUNT", "1"}, {}),
         sized(measureCountOp(30, "", counts, {"COUNT", "1"}))},
        {"no plug-in of that name", item({"plug_in", "Prime_tree", "4"}, {"p", "2", "3"}, {"c", "red", "red"}), {}},
    };
    for (const auto& [label, layout, size] : cases) expectMeasures(layout, size, label);
}

TEST(BoxAndPlugInItems, MalformedItemsStandForNothing) {
    // Value `position` of a row changed, or the row cut there when the text is empty.
    const auto edited = [](TagLayout layout, std::size_t row, std::size_t position, std::string text) {
        text.empty() ? layout[row].resize(position) : layout[row].set(position, text);
        return layout;
    };
    const TagLayout lattice = latticeMultiplyLayout("2", "3", {}, {}, {}, {}, {}, {}, "t");
    const std::tuple<const char*, TagLayout> cases[] = {
        {"box grid of eight texts", edited(grid(TagRow(9, "1")), 2, 9, "")},
        {"table rows not a number", edited(kTable, 1, 2, "two")},
        {"negative table columns", edited(kTable, 1, 3, "-3")},
        {"table short of an entry", edited(kTable, 2, 6, "")},
        {"rows × columns past 64 bits", edited(edited(kTable, 1, 2, "4294967296"), 1, 3, "4294967296")},
        {"prime tree of three texts", tree({"2", "30", "2"}, TagRow(3, "black"))},
        {"prime tree short of a colour", tree({"2", "3"}, {"black"})},
        {"lattice rows not a number", edited(lattice, 2, 1, "a")},
        {"grid without its row headings", gridMultiplyLayout("1", "2", {"20", "3"}, {}, {}, {}, "t")},
        {"column addition lines not whole", edited(*addColumnLayout("t", "+", 3, {{"1"}}, {}), 2, 2, "1.5")},
    };
    for (const auto& [label, layout] : cases) expectStandsForNothing(layout, label);
    // Cut short of its last rows, a lattice still measures by its counts but draws nothing.
    EXPECT_FALSE(gfx::testing::inkBounds(*render(TagLayout(lattice.begin(), lattice.end() - 3))).any);
}

TEST(BoxAndPlugInItems, TextsLinesAndStrokesInPlace) {
    const double x = 20, y = 130, s = 3 * z, d = 2 * z, step = 0.5 * (d + g);
    const auto drawn = [&](const TagLayout& layout) {
        auto image = std::make_unique<gfx::ImageSurface>(260, 260, 4.0);
        gfx::DrawingScope scope(image->context());
        drawLayout(layout, "1", x, y, 30, kMedium);
        return image;
    };
    const auto within = [](gfx::Rect r, double left, double top, double right, double bottom) {
        return r.origin.x > left && r.origin.y > top && r.origin.x + r.size.width <= right &&
               r.origin.y + r.size.height < bottom;
    };
    // Labels in their cells; the black grid encloses the box cells only,
    // wholly inside the item.
    auto image = drawn(grid({"", "1", "2", "3", "5", "66", "4", "7", "8"},
                            {"c", "black", "red", "red", "blue", "black", "black", "blue", "black", "black"}));
    EXPECT_TRUE(within(inkIn(*image, gfx::Color::red()), x + s, y - 1.5 * s, x + 3 * s, y - 0.5 * s));
    EXPECT_TRUE(within(inkIn(*image, gfx::Color::blue()), x, y - 0.5 * s, x + s, y + 1.5 * s));
    expectBox(inkIn(*image, gfx::Color::black()), x + s - 1.25, y - 0.5 * s - 1.25, x + 3 * s, y + 1.5 * s, 0.3,
              "grid lines");
    // Table entries right-aligned: "1" ends the first column of the top row,
    // "6" the last of the bottom row.
    image =
        drawn(boxTableLayout(2, 3, {1, 22, 333, 4, 55, 6},
                             {Color::red, Color::black, Color::black, Color::black, Color::black, Color::blue}, "t"));
    EXPECT_TRUE(within(inkIn(*image, gfx::Color::red()), x + 2 * z, y - lh, x + 3 * z, y));
    EXPECT_TRUE(within(inkIn(*image, gfx::Color::blue()), x + 10 * z, y, x + 11 * z, y + lh));
    // The last cofactor in the right slot of the third row; strokes branch
    // from below 30, half a step out at half their depth (widened by their
    // own slanted width).
    image = drawn(kTree);
    const double five = x + 2 * step + d + g;
    EXPECT_TRUE(within(inkIn(*image, gfx::Color::blue()), five, y - asc + 2.5 * lh, five + d, y - asc + 3.5 * lh));
    const double band = y - asc + lh + 0.5 * g, origin = x + 1.5 * d + g;
    const auto branch = inkWhere(
        *image, [&](int px, int py) { return std::abs(py / 4.0 - band) < 0.2 && image->pixel(px, py).a > 0.5; });
    EXPECT_NEAR((branch.minX + branch.maxX + 1) / 8.0, origin, 0.5);
    EXPECT_NEAR((branch.maxX + 1 - branch.minX) / 8.0, 0.5 * step + 1.75, 1.75);
}

}  // namespace
}  // namespace duolinear
