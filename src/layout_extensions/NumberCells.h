#pragma once
// The cell drawers of the number-cell kinds: one measurer and five drawers
// that the step renderer calls for "whole", "fraction", "mixed_number",
// "extended_fraction", the cancelled fractions and the cells of a "block".
//
// A number cell is a kind row: ["whole", whole], ["fraction", numerator,
// denominator] or ["mixed_number", whole, numerator, denominator]; its colours
// are a parallel row of colour names (position k colours the text at k, the
// key at 0 is not read). Every drawer takes the cell's left edge x and the
// baseline y of whole-size text; fraction bars lie on the axis y -
// wholeHalfXHeight, half a bar space thick, in the numerator's colour. Texts
// go to the current drawing; bars only when a graphics context is current.
//
// The drawers keep no state. A colour name that names no colour draws black;
// a cell row or colour row shorter than its kind needs draws nothing.

#include <string>
#include <string_view>
#include <vector>

#include "layout/Metric.h"
#include "layout/TagLayout.h"
#include "platform/gfx/Text.h"

namespace duolinear {

// What measuring one cell gives: its kind ("UNKNOWN" for any other), the
// width of its whole part (whole font), of its fraction (the wider of
// numerator and denominator, fraction font), their sum, and its height.
struct NumberCellSize {
    std::string kind;
    double wholeWidth = 0.0;
    double fractionWidth = 0.0;
    double width = 0.0;
    double height = 0.0;
    friend bool operator==(const NumberCellSize&, const NumberCellSize&) = default;
};

// The two widths of one cell, as measureNumberCell gave them.
struct CellWidths {
    double whole = 0.0;
    double fraction = 0.0;
};

inline constexpr std::string_view kUnknownCellKind = "UNKNOWN";
// Alignments of drawFractionCell: "LEFT" (also an empty list) draws a leading
// "-" of the numerator as a whole-size sign before the bar; any other value
// (the block cells pass "TOP") keeps it in the numerator.
inline constexpr std::string_view kLeftAlignment = "LEFT";
inline constexpr std::string_view kTopAlignment = "TOP";

// The colour a colour name draws in: black when it names none.
Color numberCellColor(std::string_view colorName);

// Height, the same for every kind: 2 cap heights of the fraction font plus
// the larger of an eighth of its point size and 6 points.
NumberCellSize measureNumberCell(const TagRow& cell, const gfx::TextAttributes& wholeAttributes,
                                 const gfx::TextAttributes& fractionAttributes);

// One text in the fraction font, baseline on y (the replacement values of a
// cancelled fraction).
void drawCancelMark(const std::string& text, const std::string& colorName,
                    const gfx::TextAttributes& fractionAttributes, const gfx::TextAttributes& wholeAttributes,
                    const Metric& metric, double x, double y);

// One text in the whole font, baseline on y.
void drawWholeCell(const std::string& text, const std::string& colorName, const gfx::TextAttributes& fractionAttributes,
                   const gfx::TextAttributes& wholeAttributes, const Metric& metric, double x, double y);

// Numerator over a bar over denominator, both centred on the bar, which is
// as long as the wider of them. With the alignment "LEFT" a numerator that
// begins with "-" loses it; the sign stands at x in the whole font and the
// fraction starts after it.
void drawFractionCell(const std::string& numerator, const std::string& denominator,
                      const std::string& numeratorColorName, const std::string& denominatorColorName,
                      const gfx::TextAttributes& fractionAttributes, const gfx::TextAttributes& wholeAttributes,
                      const Metric& metric, const std::vector<std::string>& alignment, double x, double y);

// The whole part at x, then the fraction ("LEFT") right after its width.
void drawMixedNumberCell(const std::string& whole, const std::string& numerator, const std::string& denominator,
                         const std::string& wholeColorName, const std::string& numeratorColorName,
                         const std::string& denominatorColorName, const gfx::TextAttributes& fractionAttributes,
                         const gfx::TextAttributes& wholeAttributes, const Metric& metric, double x, double y);

// One cell of a column calculation whose whole column (wholeColumnWidth wide)
// starts at x and is followed by the fraction column: whole parts end at the
// end of the whole column, fractions ("TOP") are centred in the fraction
// column. A cell of another kind draws nothing.
void drawBlockCell(const TagRow& cell, const TagRow& colors, const gfx::TextAttributes& wholeAttributes,
                   const gfx::TextAttributes& fractionAttributes, CellWidths widths, const Metric& metric, double x,
                   double y, double wholeColumnWidth, double fractionColumnWidth);

}  // namespace duolinear
