#pragma once
// Text rows and lines drawn in the current drawing pass: the comment and
// navigator bands of the step screen, rules and fraction bars; and the one way
// a drawing shrinks a text too wide for its room (the arithmetic drawings and
// the strategy pictures' captions).

#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Text.h"

namespace duolinear {

// Shrinking stops below this size: a box that nothing fits (zero or negative
// width or height) can't make the fitting run for ever.
inline constexpr double kSmallestFittingFontSize = 1.0;
// Each try of the fitting is this much smaller than the one before.
inline constexpr double kFittingShrinkFactor = 0.95;
// Width of a line when the caller has no other choice.
inline constexpr double kDefaultLineWidth = 2.5;

struct FittedFontSize {
    double size = 0.0;
    bool fits = true;  // false when even the smallest size tried doesn't fit
    friend bool operator==(const FittedFontSize&, const FittedFontSize&) = default;
};

// The largest of the sizes S, 0.95 S, 0.95² S, ... (S the point size of the
// attributes' font) at which the widest string, in the system font of weight
// 0.25, is at most `width` wide and the tallest, stacked once per string, at
// most `height` high. The widest and tallest are chosen with the caller's
// attributes. When no size down to kSmallestFittingFontSize fits, the last
// size tried is returned with fits false.
FittedFontSize fittingFontSize(const std::vector<std::string>& strings, const gfx::TextAttributes& attributes,
                               double width, double height);

// The point size reached by shrinking the font by kFittingShrinkFactor while
// the text is wider than `width`, stopping at kSmallestFittingFontSize (or at
// once when a size or width is not a number): the font's own size when the
// text fits.
double shrunkFontSize(const std::string& text, const gfx::Font& font, double width);

// Which point of a text stays in place when it is drawn smaller.
enum class TextAnchor { left, centre, right };

// Draws the text with its top-left corner at the point, as drawText does; but
// a text wider than `room` is drawn in its font shrunk by shrunkFontSize, and
// the smaller text keeps the full-size text's vertical middle and its left
// edge, middle or right edge, as the anchor says. Returns the box of the
// text as drawn (its top-left corner and measured size).
gfx::Rect drawTextInRoom(const std::string& text, gfx::Point topLeft, const gfx::TextAttributes& attributes,
                         double room, TextAnchor anchor);

// The smallest of the fitted sizes of the groups, at most the attributes' own
// point size; fits is false when some group doesn't fit.
FittedFontSize smallestFittingFontSize(const std::vector<std::vector<std::string>>& groups,
                                       const gfx::TextAttributes& attributes, double width, double height);

// Draws the rows top-down in the box at one size fitted to it (starting from
// fontSize), in the system font of the given weight, one line height apart;
// centred rows are centred on the box, the others start at its left edge.
// Nothing is clipped.
void drawTextRows(const std::vector<std::string>& rows, bool centred, gfx::Color textColor, gfx::Color backgroundColor,
                  double x, double y, double width, double height, double fontSize, gfx::FontWeight weight);

// One straight line, stroked and filled in the colour; the context keeps the
// colour and width afterwards.
void drawLine(gfx::Context& context, gfx::Color color, gfx::Point from, gfx::Point to,
              double width = kDefaultLineWidth);

}  // namespace duolinear
