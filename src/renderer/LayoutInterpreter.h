#pragma once
// The layout interpreter: measures and draws one item of a TagLayout, and
// through it the item's whole subtree. Both passes share one frame (see
// LayoutFrame.h) and one dispatch on the item's kind text.
//
// A malformed layout never crashes and never recurses for ever. An item index
// that is not a whole decimal number, or names no row, or (for a child) names
// its parent's row or a row after it, stands for nothing: (0, 0, 0), nothing
// drawn. So does an item whose companion rows run past the end of the layout.
// A colour entry that names no colour draws black. Children always stand
// before their parent, so every descent reaches a lower row; besides that a
// walk gives up on items nested deeper than kMaxLayoutDepth and stops visiting
// items after a budget that a well-formed layout never exhausts (a layout
// whose items share children could otherwise take exponential time).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "layout/TagLayout.h"
#include "platform/gfx/Font.h"
#include "renderer/LayoutFrame.h"

namespace duolinear {

inline constexpr int kMaxLayoutDepth = 256;

// The guards shared by all calls of one outside measurement or drawing.
class LayoutWalk {
public:
    explicit LayoutWalk(const TagLayout& rows);

    // Takes one visit from the budget and enters one level deeper; false (and
    // no change) when either guard is exhausted.
    bool enter();
    void leave() { --depth_; }

private:
    std::uint64_t visitsLeft_ = 0;
    int depth_ = 0;
};

// The width, height and ascent of the item whose kind row is named by
// itemIndex, at whole-font size `size` and weight `weight`.
LayoutSize measureLayout(const TagLayout& rows, std::string_view itemIndex, std::string_view fontName, double size,
                         gfx::FontWeight weight);
LayoutSize measureLayout(const TagLayout& rows, std::string_view itemIndex, double size, gfx::FontWeight weight);

// Draws the item into the current graphics context with its left edge at x
// and its baseline at y, in the colours its own rows name.
void drawLayout(const TagLayout& rows, std::string_view itemIndex, std::string_view fontName, double x, double y,
                double size, gfx::FontWeight weight);
void drawLayout(const TagLayout& rows, std::string_view itemIndex, double x, double y, double size,
                gfx::FontWeight weight);

// The recursive calls of composite items: a child named by an index text
// (from a locator row), measured or drawn in the parent's walk. A child that
// does not stand before its parent counts as no item.
LayoutSize measureChild(const LayoutFrame& parent, std::string_view childIndex, std::string_view fontName, double size,
                        gfx::FontWeight weight);
void drawChild(const LayoutFrame& parent, std::string_view childIndex, std::string_view fontName, double x, double y,
               double size, gfx::FontWeight weight);

}  // namespace duolinear
