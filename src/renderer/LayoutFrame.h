#pragma once
// The frame of one call of the layout interpreter: the call's arguments, the
// three fonts and the Metric derived from its size and weight, the two text
// attribute sets, and position-based access to the item's rows.
//
// Every call derives its frame afresh from its own arguments; nothing carries
// over from one call to the next.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "layout/Enumerations.h"
#include "layout/Metric.h"
#include "layout/TagLayout.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Text.h"

namespace duolinear {

class LayoutWalk;

// What the measure pass returns: the room an item takes and the distance from
// its top down to its baseline (the part below is height - ascent).
struct LayoutSize {
    double width = 0.0;
    double height = 0.0;
    double ascent = 0.0;

    double descent() const { return height - ascent; }
    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

// The font name every line starts with and most composite items hand down.
inline constexpr std::string_view kDefaultLayoutFontName = "monospaced digit system";
// The one font name that selects the monospaced font; every other name selects
// the monospaced-digit font.
inline constexpr std::string_view kMonospacedLayoutFontName = "monospaced system";

struct LayoutFrame {
    // The call's arguments.
    const TagLayout* rows = nullptr;
    std::size_t index = 0;  // the item's kind row
    std::string fontName;
    double size = 0.0;
    gfx::FontWeight weight;

    // Derived from them.
    gfx::Font wholeFont;     // size S
    gfx::Font fractionFont;  // 0.75 S
    gfx::Font smallFont;     // 7/15 S, for exponents
    Metric metric;
    gfx::TextAttributes wholeAttributes;
    gfx::TextAttributes fractionAttributes;

    // The guards of the walk this call belongs to.
    LayoutWalk* walk = nullptr;

    // The kind text of the item (rows[index][0]); empty when the row is empty.
    std::string kind() const;
    // rows[index + offset], or nullptr past the end of the layout. Companion
    // rows are found by position only; their keys are never compared.
    const TagRow* row(std::size_t offset) const;
    // Entry `position` of rows[index + offset]; the empty text when either is missing.
    std::string entry(std::size_t offset, std::size_t position) const;
    // True when rows[index + 1] ... rows[index + count] all exist.
    bool hasCompanionRows(std::size_t count) const;
    // The whole (or fraction) attributes drawing in the colour named by an entry.
    gfx::TextAttributes wholeAttributesIn(const std::string& colorName) const;
    gfx::TextAttributes fractionAttributesIn(const std::string& colorName) const;
};

// The font of a family chosen by font name, at a size and weight.
gfx::Font layoutFont(std::string_view fontName, double size, gfx::FontWeight weight);

// Room above and below the fraction bar: 0.125 S, but never less than 5 points.
double layoutBarSpace(double size);

// The thirteen measures of one size, from the whole and fraction fonts.
Metric layoutMetric(double size, const gfx::Font& wholeFont, const gfx::Font& fractionFont);

// A frame for the item at `index` of `rows`, called with these arguments.
LayoutFrame makeLayoutFrame(const TagLayout& rows, std::size_t index, std::string_view fontName, double size,
                            gfx::FontWeight weight, LayoutWalk* walk);

// One named weight heavier: light -> medium, medium -> heavy, heavy -> bold;
// every other weight unchanged.
gfx::FontWeight heavierFontWeight(gfx::FontWeight weight);

// The colour named by a colour entry; a text that names no colour draws black,
// the colour of every layout whose colour is not given.
Color layoutColor(std::string_view colorName);

}  // namespace duolinear
