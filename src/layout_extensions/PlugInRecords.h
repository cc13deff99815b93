#pragma once
// The builders of the arithmetic plug-in items of a TagLayout: prime trees,
// counting, column addition, long division, division by partial quotients,
// general tableaux, lattice and grid multiplication; and two prefix builders.
//
// Every record builder returns a one-item layout: ["start", "1"], then
// ["plug_in", name, N] with N the item's row count from that row on, the
// parameter row [name, values...] (none for a prime tree), one row per data
// key (key first, then the values, lists spread one text per element and
// grids flattened row after row), and last the tag row [name + "_tag", tag].
// Readers find the rows by position from the "plug_in" row and skip the item
// by adding N. The builders copy their lists as given and check nothing
// beyond what each says (only column addition can refuse).
//
// Rows after the "plug_in" row, in order:
//   prime_tree        (N 4) pairs, colours
//   count_op          (N 7) [count_op, parameter], tableau, count-ups, globals, locals
//   add_column        (N 5) [add_column, parameter, n, rows, columns], tableau, attributes
//   divide_op         (N 8) [divide_op, parameter], tableau, background tableau,
//                           lines, globals, locals
//   divide_partial_op (N 7) [divide_partial_op, parameter], tableau, partials, globals, locals
//   tableau_op        (N 7) [tableau_op, parameter], tableau, attributes, globals, locals
//   lattice_multiply  (N 9) [lattice_multiply, a, b], factors, factor colours,
//                           products, product colours, partials, partial colours
//   grid_multiply     (N 7) [grid_multiply, a, b], factors, factor colours,
//                           partials, partial colours

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear {

using TextList = std::vector<std::string>;
using TextGrid = std::vector<TextList>;

// One number of a factor tree with its colour.
struct ColoredNumber {
    std::int64_t value = 0;
    Color color = Color::black;
    friend bool operator==(const ColoredNumber&, const ColoredNumber&) = default;
};

// One row of a factor tree: the factor on the left, what remains on the right.
struct PrimeTreeRow {
    ColoredNumber divisor;
    ColoredNumber quotient;
    friend bool operator==(const PrimeTreeRow&, const PrimeTreeRow&) = default;
};

// One drawn text of a lattice or grid multiplication with its two colours,
// both colour raw texts: the text colour and the colour painted behind it.
// A reader makes it from a data row's value and the matching values of the
// colour row (the text colours first, then the background colours).
struct PlugInCell {
    std::string text;
    std::string color;
    std::string background;
    friend bool operator==(const PlugInCell&, const PlugInCell&) = default;
};

// Rows "prime_tree_pairs" (divisor, quotient of each row in turn) and
// "prime_tree_colors" (their colours in the same order).
TagLayout primeTreeLayout(const std::string& tag, const std::vector<PrimeTreeRow>& pairs);

// The count-ups row comes before globals and locals, although its argument
// comes last.
TagLayout countOpLayout(const std::string& tag, const std::string& parameter, const TextGrid& tableau,
                        const TextList& globals, const TextList& locals, const TextList& countUps);

// The parameter row holds n, the number of tableau rows and the number of
// cells in the tableau's first row. No layout for an empty tableau.
std::optional<TagLayout> addColumnLayout(const std::string& tag, const std::string& parameter, std::int64_t n,
                                         const TextGrid& tableau, const TextGrid& attributes);

TagLayout divideOpLayout(const std::string& tag, const std::string& parameter, const TextList& tableau,
                         const TextList& backgroundTableau, const TextList& lines, const TextList& globals,
                         const TextList& locals);

// The partials row comes before globals and locals, although its argument
// comes last.
TagLayout dividePartialOpLayout(const std::string& tag, const std::string& parameter, const TextList& tableau,
                                const TextList& globals, const TextList& locals, const TextList& partials);

TagLayout tableauOpLayout(const std::string& tag, const std::string& parameter, const TextGrid& tableau,
                          const TextGrid& attributes, const TextList& globals, const TextList& locals);

// a rows and b columns, written as given. Factors: the b column headings, then
// the a row headings; products (lattice only): a, then b; partials: the
// cells row by row (the lattice's second digits after all first digits).
// Each colour row holds all text colours first, then all second colours.
TagLayout latticeMultiplyLayout(const std::string& a, const std::string& b, const TextList& factors,
                                const TextList& factorColors, const TextList& products, const TextList& productColors,
                                const TextList& partials, const TextList& partialColors, const std::string& tag);
TagLayout gridMultiplyLayout(const std::string& a, const std::string& b, const TextList& factors,
                             const TextList& factorColors, const TextList& partials, const TextList& partialColors,
                             const std::string& tag);

// unaryLayout("= ", child, color, tag) and unaryLayout(label + " ", ...).
TagLayout equalsPrefixLayout(const TagLayout& child, Color color, const std::string& tag);
TagLayout labelPrefixLayout(const std::string& label, const TagLayout& child, Color color, const std::string& tag);

}  // namespace duolinear
