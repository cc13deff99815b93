#pragma once
// Internal to gfx: a text laid out by pango with resolved attributes, line by
// line, as measureText and drawText place it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <pango/pango.h>

#include "platform/gfx/AttributedText.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"

namespace gfx {
struct TextAttributes;
class Context;
}  // namespace gfx

namespace gfx::detail {

// A stretch of the text (bytes begin...end) with one set of attributes.
struct TextSegment {
    std::size_t begin = 0;
    std::size_t end = 0;
    Font font;
    Color foreground;
    Color background;
};

struct LineGeometry {
    double width = 0.0;
    double ascender = 0.0;  // from the line's top to its baseline
    double height = 0.0;
    PangoLayoutLine* line = nullptr;  // owned by the layout
};

class TextLayout {
public:
    TextLayout(const std::string& text, const TextAttributes& attributes);
    TextLayout(const AttributedText& text, const TextAttributes& defaults);
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    const std::vector<LineGeometry>& lines() const { return lines_; }
    Size size() const;

    // What the glyphs cover when drawn at (0, 0); empty without ink.
    Rect inkBounds() const;

    // Draws with the top-left corner of the first line at the point.
    void draw(Context& context, Point topLeft) const;

private:
    void build(const std::string& text);

    std::vector<TextSegment> segments_;
    PangoLayout* layout_ = nullptr;
    std::vector<LineGeometry> lines_;
};

}  // namespace gfx::detail
