#pragma once
// Running text on a guide page: the look of each text style, word wrapping to
// a width, and the height and drawing of a wrapped text block.
//
// Lines break only at ASCII blanks and at line breaks, so a no-break space
// (U+00A0) keeps an equation such as "x = 2" on one line.

#include <string>
#include <vector>

#include "guides/GuideModel.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"

namespace duolinear::guides {

struct TextLook {
    gfx::Font font;
    gfx::Color color;
    double lineHeight = 0.0;  // from one line's top to the next
    double spaceAfter = 0.0;  // below the block
    double indent = 0.0;      // of the text, right of the label
    bool centred = false;
};

TextLook textLook(TextStyle style);

struct WrappedText {
    std::vector<std::string> lines;
    bool fits = true;  // false when a single word is wider than the width
};

WrappedText wrapText(const std::string& text, const gfx::Font& font, double width);

// The room a block takes, its space below included.
double textBlockHeight(const TextBlock& block, double width);

// Draws into the current drawing pass with the block's top-left corner at
// (x, y); returns false when some word is wider than the width.
bool drawTextBlock(const TextBlock& block, double x, double y, double width);

// Whether every word of the block fits the width.
bool textBlockFits(const TextBlock& block, double width);

// The text with every blank replaced by a no-break space.
std::string unbroken(const std::string& text);

}  // namespace duolinear::guides
