#pragma once
// Measuring and drawing text with attributes.
//
// A text is laid out in lines split at line breaks. Its size is the width of
// the widest line by the number of lines times the line height of the font
// (for attributed text, each line is as high as the tallest font in it); the
// empty text measures 0 by 0. A text is drawn with the top-left corner of its
// first line at the point: a text drawn at (x, y - ascender) has its baseline
// on y. Characters the font lacks (emoji among them) come from fallback fonts,
// colour emoji in colour. Bytes that are not UTF-8 are drawn as "?". All of
// this runs on the main thread only.

#include <functional>
#include <string>

#include "platform/gfx/AttributedText.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

class Context;

struct TextAttributes {
    Font font;  // the regular system font at 12 points unless set
    Color foreground = Color::black();
    Color background = Color::clear();  // filled behind the glyphs of each line
    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

// Results are cached by font and text; the cache never changes a result.
Size measureText(const std::string& text, const TextAttributes& attributes);
Size measureText(const AttributedText& text, const TextAttributes& defaults);

// The rectangle the glyphs of a text cover when it is drawn with its top-left
// corner at (0, 0); empty for a text that leaves no ink (blanks, say).
Rect inkBounds(const std::string& text, const TextAttributes& attributes);

// Draw into the current context (see Context.h); nothing is drawn outside a
// drawing pass.
void drawText(const std::string& text, Point topLeft, const TextAttributes& attributes);
void drawText(const AttributedText& text, Point topLeft, const TextAttributes& defaults);

// Draw into the given context.
void drawText(Context& context, const std::string& text, Point topLeft, const TextAttributes& attributes);
void drawText(Context& context, const AttributedText& text, Point topLeft, const TextAttributes& defaults);

// Empties the measurement cache (for timing cold measurements).
void clearTextMeasureCache();

// A text as it was drawn: the text, and the rectangle its glyphs cover in the
// pixels of the drawing's surface (the context's transform applied; for a
// turned text, the upright rectangle around the turned one).
struct DrawnText {
    std::string text;
    Rect pixels;
};
// Called with every text drawn whose glyphs show (its foreground is not
// clear), for tests that check where texts land; an empty function, the
// default, stops the calls.
void setTextDrawnObserver(std::function<void(const DrawnText&)> observer);

}  // namespace gfx
