#pragma once
// The measurers of the arithmetic plug-ins: how much room each plug-in item
// needs at font size S. The renderer's measuring pass returns their result
// unchanged as the item's size, and each plug-in drawer calls its own
// measurer, with the same arguments, to lay out the same box; so every
// caller passes the size first, then the values read from the item's rows.
//
// Every result is (width, height, ascent) with ascent = height / 2: the item
// is centred vertically on its baseline. Fonts are the monospaced-digit
// system font of medium weight at the sizes each measurer names; L(f) is a
// font's line height, w_f(t) the width of text t in it. The margin m is S / 5,
// but never below 10 points. pow10(n) is the text of 10 to the power n - 1
// ("1", "10", "100", ...); band_f(n), the depth of the place-value labels of
// n columns, is the larger of the width and the height of pow10(n) in f, as
// the drawers leave it.
//
// A malformed record measures as nothing, (0, 0, 0): a size that is not a
// positive finite number, a position the measurer reads that is missing, a
// number field that is not a decimal number (integers: an optional "-" and
// digits only; the division step counts may also have a fraction part), a
// count of things (rows, lines, steps) below 0, or a column or digit count
// below 1 or above kMostPlugInDigits (the digits of a 64-bit number).
//
// Measurers are pure: they make their fonts afresh on each call.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

struct PlugInSize {
    double width = 0.0;
    double height = 0.0;
    double ascent = 0.0;
    friend bool operator==(const PlugInSize&, const PlugInSize&) = default;
};

// The most digits a digit or column count may ask for.
inline constexpr std::int64_t kMostPlugInDigits = 19;

// A number field of a plug-in record: an optional "-" and decimal digits,
// within 64 bits; no value for any other text.
std::optional<std::int64_t> parsePlugInInteger(std::string_view text);

// What a grid cell leaves beside the widest text it is sized for, in points.
inline constexpr double kGridCellPad = 5.0;

// The side of a lattice cell and of a grid cell, as the two measurers below
// size them (the grid's for headings of the given character counts).
double latticeCellSide(double size);
double gridCellSide(double size, std::int64_t columnHeadingLength, std::int64_t rowHeadingLength);

// The character count of the longest of the texts; 0 for none. A grid is
// sized for its longest column heading and its longest row heading, in
// whatever order its parts are listed.
std::int64_t longestTextLength(const TextList& texts);

// a rows and b columns (both at least 1). Fonts A = 0.75 S, B = 0.9 S, C = S;
// cell = 2 × max((L(A) + cap(A)) / 2, w_A("8⁸") + 1.25);
// width = b × cell + w_B("8") + asc(B) − cap(B) − desc(C) + w_C("8");
// height = a × cell + L(B) + L(C).
PlugInSize measureLatticeMultiply(double size, std::int64_t rows, std::int64_t columns);

// a rows and b columns (both at least 1); l1 and l2 are the character counts
// of the longest column heading and of the longest row heading (0 to
// kMostPlugInDigits + 1, room for a sign), so that every heading and every
// product of two headings has its full size. Fonts A = 0.75 S, C = S;
// cell = the largest of L(A), w_A(l1 + l2 eights) + 5, L(C), w_C(l1 eights) + 5;
// width = b × cell − desc(C) + w_C(l2 eights); height = a × cell + L(C).
PlugInSize measureGridMultiply(double size, std::int64_t rows, std::int64_t columns,
                               std::int64_t columnHeadingLength, std::int64_t rowHeadingLength);

// Reads locals[0] (tableau rows c), globals[1] (columns g1) and globals[2]
// (rows in the smaller font g2). Fonts F = S, P = 0.7 S, H = 0.5 S; R = g2 + 3
// when c − g2 ≤ 2, else c; width = w_F("+" pow10(g1)) + m × g1;
// height = (R − g2) × L(F) + g2 × L(P) + band_H(g1) + 5 × (R + 5).
PlugInSize measureTableauOp(double size, const std::string& mode, const TextList& globals, const TextList& locals);

// Reads globals[0..3] as texts, locals[0] (the phase) and locals[1] (steps y).
// F = S; width = w_F(g1) + 2m + w_F(g0) + max(w_F(" R ") + w_F(g3),
// 30 + w_F("+") + m + w_F(g2)); height = L(F) × (2y + 2) + 5 × (y + 1), plus
// L(F) in the phases "GRAB AND CHOOSE", "PROBLEM" and "CHOOSE".
PlugInSize measureDividePartialOp(double size, const std::string& mode, const TextList& globals,
                                  const TextList& locals);

// Reads globals[0], globals[1] and the remainder globals[3], locals[0] (the
// phase) and locals[1] (steps y). F = S; width = w_F(g1 g0) + r + 2m with
// r = w_F(" R " g3) unless g3 is "0"; height = (2 L(F) + 5) × (1 + y), plus
// L(F) in the phase "MULTIPLY", plus 2 L(F) + 5 in the phase "SUBTRACT".
PlugInSize measureDivideOp(double size, const std::string& mode, const TextList& globals, const TextList& locals);

// n text lines (at least 0), the tableau's rows (at least 0, not used in the
// size) and columns (a column count). F = S, H = 0.5 S;
// width = w_F(mode pow10(columns)) + m × columns;
// height = L(F) × n + 5 × (n + 1) + band_H(columns) + 5.
PlugInSize measureAddColumn(double size, const std::string& mode, std::int64_t lines, std::int64_t rows,
                            std::int64_t columns);

// Reads globals[0] (the direction), globals[1] (g1) and globals[2] (g2, only
// in the phases that use it), locals[0] (the phase) and locals[1] (steps k).
// F = S, H = 0.5 S; width = w_F(sign pow10(g1)) + m with sign "−" for
// "COUNT DOWN", else "+"; in the phases "SUMMARY" and "COUNT" plus
// 30 + w_F("+" pow10(g2)) + m; height = L(F) × (2k + 1) + 15k + 5 +
// band_H(g1) + 5.
PlugInSize measureCountOp(double size, const std::string& mode, const TextList& globals, const TextList& locals);

}  // namespace duolinear
