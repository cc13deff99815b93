#pragma once
// The builders of the two grid items of a TagLayout, which have no "plug_in"
// row: the box (area) picture of a product of two two-term factors, and a
// plain table of numbers. Each returns a one-item layout of five rows:
// ["start", "1"], the kind row, the texts, their colours and the tag row.
//
//   ["box_grid", "4"], ["box_grid_terms", ...], ["box_grid_colors", ...], ["box_grid_tag", tag]
//   ["box_table", "4", rows, columns], ["box_table_entries", ...], ["box_table_colors", ...],
//   ["box_table_tag", tag]

#include <cstdint>
#include <string>
#include <vector>

#include "algebra/Monomial.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The text of the term at `position` of a box grid (nine positions, row after
// row; 4, 5, 7 and 8 are the four cells inside the box). From the numerator c
// (the denominator is not used), the exponent e and the letter v:
//   e = 0:   "+c" when c > 0, else c ("+5", "-3", "0")
//   e = 1:   at 5 and 7 (the products of a letter term by a number) "+cv"
//            when c > 0, else "cv" ("+1x", "-2x"); elsewhere v for 1, "-v"
//            for -1, else "cv"
//   e >= 2:  v then the superscript exponent, with "-" for -1 and c before
//            it for any other c; an exponent of 10 or more shows "..."
std::string boxGridTermText(const Monomial& term, std::size_t position);

// One text per term and one colour per colour, as many as given.
TagLayout boxGridLayout(const Monomials& terms, const std::vector<Color>& colors, const std::string& tag);

// The table of rows × columns entries, row after row. When entries is empty or
// does not hold exactly rows × columns numbers (a product too large for 64
// bits never does) the layout is messageLayout("system error in table") in
// black with the tag "anon" in place of the table.
TagLayout boxTableLayout(std::uint64_t rows, std::uint64_t columns, const std::vector<std::int64_t>& entries,
                         const std::vector<Color>& colors, const std::string& tag);

}  // namespace duolinear
