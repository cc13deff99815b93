// The plug-in and box builders, the box grid's term texts and the lattice and
// grid recolourers.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout_extensions/BoxRecords.h"
#include "layout_extensions/PlugInRecolor.h"
#include "support/LayoutDump.h"

namespace duolinear {
namespace {

using testing::dump;
using Rows = std::vector<std::string>;

// The rows after ["start", "1"]: their keys and order are the format.
TEST(PlugInRecords, BuildersWriteTheirRows) {
    const Rows tableMessage{"message, system error in table", "message_color, black", "message_tag, anon"};
    const std::tuple<const char*, TagLayout, Rows> cases[] = {
        {"prime tree",
         primeTreeLayout("t", {{{1, Color::clear}, {12, Color::black}}, {{2, Color::red}, {6}}}),
         {"plug_in, prime_tree, 4", "prime_tree_pairs, 1, 12, 2, 6", "prime_tree_colors, clear, black, red, black",
          "prime_tree_tag, t"}},
        {"no pairs",
         primeTreeLayout("t", {}),
         {"plug_in, prime_tree, 4", "prime_tree_pairs", "prime_tree_colors", "prime_tree_tag, t"}},
        {"count",
         countOpLayout("t", "p", {{"1", "2"}, {"3"}}, {"UP"}, {"STEP"}, {"5"}),
         {"plug_in, count_op, 7", "count_op, p", "count_op_tableau, 1, 2, 3", "count_op_count_ups, 5",
          "count_op_globals, UP", "count_op_locals, STEP", "count_op_tag, t"}},
        {"column addition",
         *addColumnLayout("t", "+", 3, {{"4", "7", "8"}, {"2"}}, {{"YN"}, {"NG"}}),
         {"plug_in, add_column, 5", "add_column, +, 3, 2, 3", "add_column_tableau, 4, 7, 8, 2",
          "add_column_attributes, YN, NG", "add_column_tag, t"}},
        {"long division",
         divideOpLayout("t", "÷", {"B2", "48"}, {"NN", "NL"}, {"1"}, {"8", "4"}, {"SUMMARY", "1"}),
         {"plug_in, divide_op, 8", "divide_op, ÷", "divide_op_tableau, B2, 48", "divide_op_background_tableau, NN, NL",
          "divide_op_lines, 1", "divide_op_globals, 8, 4", "divide_op_locals, SUMMARY, 1", "divide_op_tag, t"}},
        {"partial division",
         dividePartialOpLayout("t", "÷", {"", "8"}, {"8", "4"}, {"ADD", "1"}, {"2"}),
         {"plug_in, divide_partial_op, 7", "divide_partial_op, ÷", "divide_partial_op_tableau, , 8",
          "divide_partial_op_partials, 2", "divide_partial_op_globals, 8, 4", "divide_partial_op_locals, ADD, 1",
          "divide_partial_op_tag, t"}},
        {"tableau",
         tableauOpLayout("t", "−", {{"5", "3"}, {"2"}}, {{"YNN", "NNN"}, {"YYR"}}, {"3", "2"}, {"2", "false"}),
         {"plug_in, tableau_op, 7", "tableau_op, −", "tableau_op_tableau, 5, 3, 2",
          "tableau_op_attributes, YNN, NNN, YYR", "tableau_op_globals, 3, 2", "tableau_op_locals, 2, false",
          "tableau_op_tag, t"}},
        {"grid",
         gridMultiplyLayout("1", "1", {"3", "2"}, {"red", "blue"}, {"6"}, {"black", "clear"}, "t"),
         {"plug_in, grid_multiply, 7", "grid_multiply, 1, 1", "grid_multiply_factors, 3, 2",
          "grid_multiply_factor_colors, red, blue", "grid_multiply_partials, 6",
          "grid_multiply_partial_colors, black, clear", "grid_multiply_tag, t"}},
        {"lattice",
         latticeMultiplyLayout("1", "2", {"3"}, {"red"}, {"1"}, {"blue"}, {"6"}, {}, "t"),
         {"plug_in, lattice_multiply, 9", "lattice_multiply, 1, 2", "lattice_multiply_factors, 3",
          "lattice_multiply_factor_colors, red", "lattice_multiply_products, 1",
          "lattice_multiply_product_colors, blue", "lattice_multiply_partials, 6", "lattice_multiply_partial_colors",
          "lattice_multiply_tag, t"}},
        {"box table",
         boxTableLayout(1, 2, {-4, 55}, {Color::red, Color::blue}, "t"),
         {"box_table, 4, 1, 2", "box_table_entries, -4, 55", "box_table_colors, red, blue", "box_table_tag, t"}},
        {"table of five entries for 2 × 3", boxTableLayout(2, 3, {1, 2, 3, 4, 5}, {}, "t"), tableMessage},
        {"table without entries", boxTableLayout(0, 3, {}, {}, "t"), tableMessage},
        {"table of 2^64 cells", boxTableLayout(1ull << 32, 1ull << 32, {7}, {}, "t"), tableMessage},
    };
    for (const auto& [label, layout, rows] : cases) {
        const Rows written = dump(layout);
        EXPECT_EQ(written[0], "start, 1") << label;
        EXPECT_EQ(Rows(written.begin() + 1, written.end()), rows) << label;
    }
    EXPECT_FALSE(addColumnLayout("t", "+", 3, {}, {}));
}

TEST(PlugInRecords, BoxGridTermTexts) {
    const auto term = [](std::int64_t c, std::uint64_t e) { return Monomial{Rational{c, 1}, e, 'x'}; };
    const std::tuple<Monomial, std::size_t, std::string> cases[] = {
        {term(5, 0), 2, "+5"},     {term(0, 0), 6, "0"},    {term(-3, 0), 4, "-3"},  {term(1, 1), 3, "x"},
        {term(1, 1), 5, "+1x"},    {term(-1, 1), 7, "-1x"}, {term(-1, 1), 1, "-x"},  {term(-2, 1), 5, "-2x"},
        {term(2, 1), 1, "2x"},     {term(1, 2), 4, "x²"},   {term(-1, 2), 4, "-x²"}, {term(3, 2), 5, "3x²"},
        {term(4, 12), 8, "4x..."},
    };
    for (const auto& [monomial, position, text] : cases) EXPECT_EQ(boxGridTermText(monomial, position), text) << text;
    EXPECT_EQ(dump(boxGridLayout({term(1, 1), term(5, 0)}, {Color::red}, "t")),
              (Rows{"start, 1", "box_grid, 4", "box_grid_terms, x, +5", "box_grid_colors, red", "box_grid_tag, t"}));
}

TEST(PlugInRecolourers, ChangeOnlyTheTaggedItem) {
    // A blank line, a box grid and another plug-in stand before the items, so
    // a walk that stepped by a fixed count per kind would fall out of step.
    const auto lattice = [](const std::string& partial, const std::string& tag) {
        return latticeMultiplyLayout("1", "1", {}, {"black"}, {}, {}, {partial}, {"black"}, tag);
    };
    TagLayout layout = blankLayouts(1)[0];
    for (const TagLayout& item : {boxGridLayout({}, {}, "b"), lattice("5", "a"),
                                  gridMultiplyLayout("1", "1", {}, {"black"}, {}, {"black"}, "g"), lattice("1", "b")}) {
        layout = joinLayouts("🖇", layout, item);
    }
    const TextList red{"red"}, none;
    const auto changes = [&](void (*recolor)(TagLayout&)) {
        TagLayout changed = layout;
        recolor(changed);
        Rows out;
        for (std::size_t i = 0; i < layout.size(); ++i) {
            if (changed[i] != layout[i])
                out.push_back(testing::dumpRow(layout[i]) + " -> " + testing::dumpRow(changed[i]));
        }
        return out;
    };
    EXPECT_EQ(changes([](TagLayout& l) {
                  recolorLatticeMultiply(l, {"0", "9"}, {"red"}, {}, {"blue"}, "b");
              }),
              (Rows{"lattice_multiply_factor_colors, black -> lattice_multiply_factor_colors, red",
                    "lattice_multiply_partials, 1 -> lattice_multiply_partials, 0, 9",
                    "lattice_multiply_partial_colors, black -> lattice_multiply_partial_colors, blue"}));
    EXPECT_EQ(changes([](TagLayout& l) { recolorGridMultiply(l, {}, {"red"}, "g"); }),
              (Rows{"grid_multiply_partial_colors, black -> grid_multiply_partial_colors, red"}));
    EXPECT_EQ(changes([](TagLayout& l) { recolorLatticeMultiply(l, {}, {}, {}, {}, "a"); }), Rows{});
    EXPECT_EQ(changes([](TagLayout& l) { recolorLatticeMultiply(l, {"1"}, {"red"}, {}, {}, "g"); }), Rows{});
}

}  // namespace
}  // namespace duolinear
