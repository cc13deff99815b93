#pragma once
// The display line of a practice problem whose fractions are drawn
// diagonally (½ style): the line is built from nine text segments, and the
// segments that hold a fraction ("3/4") are set in a font whose OpenType
// "frac" feature turns numerator, slash and denominator into one diagonal
// fraction. Everything else of the line (brackets, "x", operators, the
// relation) carries no attribute; whoever draws the line supplies its font.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

#include "platform/gfx/AttributedText.h"
#include "platform/gfx/Font.h"

namespace duolinear {

// The nine pieces of a display line, joined in index order; an empty one
// adds nothing.
using DisplaySegments = std::array<std::string, 9>;

// A regular font at baseFontSize() points with the "frac" feature on. It is
// Inter, looked up by name, whose faces make diagonal fractions; where Inter
// is not installed it is the system font, whose fraction runs the graphics
// layer draws with superscript and subscript digits instead.
gfx::Font diagonalFractionFont();

// The joined segments with diagonalFractionFont() over each of the listed
// segments (indices in increasing order; one past the ninth is passed over).
// Ranges count UTF-16 units, so a relation text of any characters keeps
// them on their fractions.
gfx::AttributedText fractionDisplayLine(const DisplaySegments& segments,
                                        std::initializer_list<std::size_t> fractionSegments);

}  // namespace duolinear
