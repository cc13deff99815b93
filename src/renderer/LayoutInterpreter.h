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
// walk gives up on items nested deeper than kMaxLayoutDepth.
//
// Every outside call is one walk, and a walk does each item's work once: an
// item's size depends only on the item and the arguments it is measured
// with, so a walk measures it once for each set of arguments and answers
// again from memory; and it draws an item once (a well-formed layout names
// each item from one parent only, so a second reference, which only a
// malformed layout makes, draws nothing). So measuring and drawing take time
// linear in the layout's rows, however its items share children. A budget of
// visits linear in the rows bounds even layouts that measure one item with
// ever new arguments.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "layout/TagLayout.h"
#include "platform/gfx/Font.h"
#include "renderer/LayoutFrame.h"

namespace duolinear {

inline constexpr int kMaxLayoutDepth = 256;

// The guards and the memory shared by all calls of one outside measurement
// or drawing of one layout.
class LayoutWalk {
public:
    explicit LayoutWalk(const TagLayout& rows);
    LayoutWalk(const LayoutWalk&) = delete;
    LayoutWalk& operator=(const LayoutWalk&) = delete;

    const TagLayout& rows() const { return rows_; }

    // Takes one visit from the budget and enters one level deeper; false (and
    // no change) when either guard is exhausted.
    bool enter();
    void leave() { --depth_; }
    // The items visited so far (measured afresh or drawn).
    std::uint64_t visits() const { return visits_; }

    // The size an item was measured at with these arguments in this walk.
    std::optional<LayoutSize> knownSize(std::size_t index, std::string_view fontName, double size,
                                        gfx::FontWeight weight) const;
    void rememberSize(std::size_t index, std::string_view fontName, double size, gfx::FontWeight weight,
                      LayoutSize result);
    // True the first time it is asked for an item, false ever after.
    bool firstDrawOf(std::size_t index) { return drawn_.insert(index).second; }

private:
    struct Measured {
        std::string fontName;
        double size = 0.0;
        gfx::FontWeight weight;
        LayoutSize result;
    };

    const TagLayout& rows_;
    std::uint64_t visitsLeft_ = 0;
    std::uint64_t visits_ = 0;
    int depth_ = 0;
    std::unordered_map<std::size_t, std::vector<Measured>> measured_;
    std::unordered_set<std::size_t> drawn_;
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

// The same, in a walk of the caller's (over the walk's rows), which then
// tells how many items were visited.
LayoutSize measureLayout(LayoutWalk& walk, std::string_view itemIndex, std::string_view fontName, double size,
                         gfx::FontWeight weight);
void drawLayout(LayoutWalk& walk, std::string_view itemIndex, std::string_view fontName, double x, double y,
                double size, gfx::FontWeight weight);

// The recursive calls of composite items: a child named by an index text
// (from a locator row), measured or drawn in the parent's walk. A child that
// does not stand before its parent counts as no item.
LayoutSize measureChild(const LayoutFrame& parent, std::string_view childIndex, std::string_view fontName, double size,
                        gfx::FontWeight weight);
void drawChild(const LayoutFrame& parent, std::string_view childIndex, std::string_view fontName, double x, double y,
               double size, gfx::FontWeight weight);

}  // namespace duolinear
