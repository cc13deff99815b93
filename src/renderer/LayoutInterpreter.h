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
//
// The memory is one flat table with an entry per row, indexed by row and
// covering the rows up to the first item the walk is asked for (children
// stand before their parents, so no item below reaches further; rows after
// it are never looked at). A well-formed layout measures each item with one
// set of arguments (its one parent hands them down), which the row's entry
// holds; only a malformed layout that shares an item between parents of
// different sizes chains further entries behind it. Font names are named by
// a number (names other than the default are kept once per walk). The table
// is not made afresh for every walk: a walk takes one that an earlier walk of
// the thread has finished with, whose entries, marked with that walk's
// number, then stand for nothing; so an ordinary walk allocates nothing and
// clears nothing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/TagLayout.h"
#include "platform/gfx/Font.h"
#include "renderer/LayoutFrame.h"

namespace duolinear {

inline constexpr int kMaxLayoutDepth = 256;

// The sizes at which a layout is measured and drawn from outside: a size that
// is a positive number but below the smallest or above the largest is taken
// as that bound, so that an absurd size neither drives the text library out
// of its range nor makes a drawing take seconds. (A size that is not a
// positive finite number still stands for nothing.)
inline constexpr double kSmallestLayoutSize = 1.0;
inline constexpr double kLargestLayoutSize = 1000.0;

// The guards and the memory shared by all calls of one outside measurement
// or drawing of one layout.
class LayoutWalk {
public:
    explicit LayoutWalk(const TagLayout& rows);
    ~LayoutWalk();
    LayoutWalk(const LayoutWalk&) = delete;
    LayoutWalk& operator=(const LayoutWalk&) = delete;

    const TagLayout& rows() const { return rows_; }

    // Takes one visit from the budget and enters one level deeper; false (and
    // no change) when either guard is exhausted.
    bool enter();
    void leave() { --depth_; }
    // The items visited so far (measured afresh or drawn).
    std::uint64_t visits() const { return visits_; }

    // Makes room in the memory for the rows up to index (an item asked for
    // from outside; the items below it stand before it). What the walk
    // remembers of other items stays.
    void coverRowsUpTo(std::size_t index);

    // The size an item was measured at with these arguments in this walk.
    std::optional<LayoutSize> knownSize(std::size_t index, std::string_view fontName, double size,
                                        gfx::FontWeight weight) const;
    void rememberSize(std::size_t index, std::string_view fontName, double size, gfx::FontWeight weight,
                      LayoutSize result);
    // True the first time it is asked for an item, false ever after (and for
    // a row beyond the walk's memory).
    bool firstDrawOf(std::size_t index);

private:
    // One set of arguments and the size measured with it. font is the number
    // of the font name (fontNumber). next is the place in overflow_ plus one
    // of the entry with the item's next set of arguments, 0 when there is none.
    struct Measured {
        LayoutSize result;
        double size = 0.0;
        gfx::FontWeight weight;
        std::uint32_t font = 0;
        std::uint32_t next = 0;
    };
    // A row's entry belongs to the walk whose number it carries; an entry of
    // an earlier walk stands for nothing.
    struct RowEntry {
        std::uint64_t measuredIn = 0;  // first holds a size of this walk
        std::uint64_t drawnIn = 0;     // the item was drawn in this walk
        Measured first;
    };
    using Table = std::vector<RowEntry>;

    // The number of the font name: 1 for kDefaultLayoutFontName, the place in
    // fontNames_ plus 2 for another; 0 when it was never remembered.
    std::uint32_t fontNumber(std::string_view fontName) const;

    const TagLayout& rows_;
    std::uint64_t visitsLeft_ = 0;
    std::uint64_t visits_ = 0;
    int depth_ = 0;
    std::uint64_t number_ = 0;        // this walk's number, above that of every walk before on the thread
    Table table_;                     // an entry per row, up to the highest item asked for
    std::vector<Measured> overflow_;  // further sets of arguments of shared items
    std::vector<std::string> fontNames_;

    // The tables of the walks of this thread that have ended, for the next
    // walks to take, and the number of walks begun on this thread.
    static thread_local std::vector<Table> spareTables_;
    static thread_local std::uint64_t walksBegun_;
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
