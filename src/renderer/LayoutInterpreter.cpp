#include "renderer/LayoutInterpreter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "layout/ItemIndex.h"
#include "renderer/ExtendedItems.h"
#include "renderer/JoinItems.h"
#include "renderer/LeafItems.h"
#include "renderer/UnaryItems.h"

namespace duolinear {

namespace {

enum class ItemKind { unknown, font, unary, join, integer, signedRational, rational, message, extended };

// Exact, case-sensitive kind names; everything else ("BLANK", "start", a
// companion row's key, ...) is unknown.
ItemKind itemKind(std::string_view kind) {
    if (kind == "font") return ItemKind::font;
    if (kind == "unary") return ItemKind::unary;
    if (kind == "join") return ItemKind::join;
    if (kind == "integer") return ItemKind::integer;
    if (kind == "signed_rational") return ItemKind::signedRational;
    if (kind == "rational") return ItemKind::rational;
    if (kind == "message") return ItemKind::message;
    if (isExtendedItemKind(kind)) return ItemKind::extended;
    return ItemKind::unknown;
}

bool isUsableSize(double size) {
    return std::isfinite(size) && size > 0.0;
}

// The size an outside call measures or draws at.
double clampedSize(double size) {
    return isUsableSize(size) ? std::clamp(size, kSmallestLayoutSize, kLargestLayoutSize) : size;
}

// Leaves the walk's current level when a call ends.
class WalkLevel {
public:
    explicit WalkLevel(LayoutWalk& walk) : walk_(walk), entered_(walk.enter()) {}
    ~WalkLevel() {
        if (entered_) walk_.leave();
    }
    WalkLevel(const WalkLevel&) = delete;
    WalkLevel& operator=(const WalkLevel&) = delete;
    bool entered() const { return entered_; }

private:
    LayoutWalk& walk_;
    bool entered_;
};

// The "font" item: its child in the font the item names, at the same size,
// weight and place; the item measures exactly as that child.
LayoutSize measureFontItem(const LayoutFrame& frame) {
    if (!frame.hasCompanionRows(1)) return {};
    return measureChild(frame, frame.entry(1, 1), frame.entry(0, 1), frame.size, frame.weight);
}

void drawFontItem(const LayoutFrame& frame, double x, double y) {
    if (!frame.hasCompanionRows(1)) return;
    drawChild(frame, frame.entry(1, 1), frame.entry(0, 1), x, y, frame.size, frame.weight);
}

LayoutSize measureKind(const LayoutFrame& frame) {
    switch (itemKind(frame.kind())) {
        case ItemKind::font:
            return measureFontItem(frame);
        case ItemKind::unary:
            return measureUnaryItem(frame);
        case ItemKind::join:
            return measureJoinItem(frame);
        case ItemKind::integer:
            return measureIntegerItem(frame);
        case ItemKind::signedRational:
            return measureSignedRationalItem(frame);
        case ItemKind::rational:
            return measureRationalItem(frame);
        case ItemKind::message:
            return measureMessageItem(frame);
        case ItemKind::extended:
            return measureExtendedItem(frame);
        case ItemKind::unknown:
            break;
    }
    return {};
}

LayoutSize measureItem(LayoutWalk& walk, std::size_t index, std::string_view fontName, double size,
                       gfx::FontWeight weight) {
    if (index >= walk.rows().size() || !isUsableSize(size)) return {};
    if (const std::optional<LayoutSize> known = walk.knownSize(index, fontName, size, weight)) return *known;
    WalkLevel level(walk);
    if (!level.entered()) return {};
    const LayoutSize result = measureKind(makeLayoutFrame(walk.rows(), index, fontName, size, weight, &walk));
    walk.rememberSize(index, fontName, size, weight, result);
    return result;
}

void drawKind(const LayoutFrame& frame, double x, double y) {
    switch (itemKind(frame.kind())) {
        case ItemKind::font:
            drawFontItem(frame, x, y);
            return;
        case ItemKind::unary:
            drawUnaryItem(frame, x, y);
            return;
        case ItemKind::join:
            drawJoinItem(frame, x, y);
            return;
        case ItemKind::integer:
            drawIntegerItem(frame, x, y);
            return;
        case ItemKind::signedRational:
            drawSignedRationalItem(frame, x, y);
            return;
        case ItemKind::rational:
            drawRationalItem(frame, x, y);
            return;
        case ItemKind::message:
            drawMessageItem(frame, x, y);
            return;
        case ItemKind::extended:
            drawExtendedItem(frame, x, y);
            return;
        case ItemKind::unknown:
            return;
    }
}

void drawItem(LayoutWalk& walk, std::size_t index, std::string_view fontName, double x, double y, double size,
              gfx::FontWeight weight) {
    if (index >= walk.rows().size() || !isUsableSize(size) || !std::isfinite(x) || !std::isfinite(y)) return;
    if (!walk.firstDrawOf(index)) return;
    WalkLevel level(walk);
    if (!level.entered()) return;
    drawKind(makeLayoutFrame(walk.rows(), index, fontName, size, weight, &walk), x, y);
}

// The row of a child, which must stand before its parent's kind row.
std::optional<std::size_t> childRow(const LayoutFrame& parent, std::string_view childIndex) {
    std::optional<std::size_t> index = parseItemIndex(childIndex);
    if (!index || *index >= parent.index) return std::nullopt;
    return index;
}

}  // namespace

thread_local std::vector<LayoutWalk::Table> LayoutWalk::spareTables_;
thread_local std::uint64_t LayoutWalk::walksBegun_ = 0;

LayoutWalk::LayoutWalk(const TagLayout& rows) : rows_(rows), number_(++walksBegun_) {
    // A well-formed layout of n rows holds at most n items; a walk draws each
    // once and measures it once for each weight its ancestors hand down (at
    // most the four named weights): well under 8 n visits in all.
    const std::uint64_t n = rows.size();
    constexpr std::uint64_t kPerRow = 8;
    constexpr std::uint64_t kFloor = 64;
    visitsLeft_ = n * kPerRow + kFloor;
    if (!spareTables_.empty()) {
        table_ = std::move(spareTables_.back());
        spareTables_.pop_back();
    }
}

LayoutWalk::~LayoutWalk() {
    // The table of a huge layout is let go rather than kept for the thread.
    constexpr std::size_t kKeptTableRows = 1 << 14;
    if (table_.capacity() != 0 && table_.size() <= kKeptTableRows) spareTables_.push_back(std::move(table_));
}

bool LayoutWalk::enter() {
    if (visitsLeft_ == 0 || depth_ >= kMaxLayoutDepth) return false;
    --visitsLeft_;
    ++visits_;
    ++depth_;
    return true;
}

void LayoutWalk::coverRowsUpTo(std::size_t index) {
    if (index < rows_.size() && index >= table_.size()) table_.resize(index + 1);
}

std::uint32_t LayoutWalk::fontNumber(std::string_view fontName) const {
    // Nearly every item is measured in the default font, handed down as it is.
    const bool sameText =
        fontName.data() == kDefaultLayoutFontName.data() && fontName.size() == kDefaultLayoutFontName.size();
    if (sameText || fontName == kDefaultLayoutFontName) return 1;
    for (std::size_t i = 0; i < fontNames_.size(); ++i) {
        if (fontNames_[i] == fontName) return static_cast<std::uint32_t>(i + 2);
    }
    return 0;
}

std::optional<LayoutSize> LayoutWalk::knownSize(std::size_t index, std::string_view fontName, double size,
                                                gfx::FontWeight weight) const {
    if (index >= table_.size() || table_[index].measuredIn != number_) return std::nullopt;
    const std::uint32_t font = fontNumber(fontName);
    if (font == 0) return std::nullopt;
    for (const Measured* m = &table_[index].first;; m = &overflow_[m->next - 1]) {
        if (m->font == font && m->size == size && m->weight == weight) return m->result;
        if (m->next == 0) return std::nullopt;
    }
}

void LayoutWalk::rememberSize(std::size_t index, std::string_view fontName, double size, gfx::FontWeight weight,
                              LayoutSize result) {
    if (index >= table_.size()) return;
    std::uint32_t font = fontNumber(fontName);
    if (font == 0) {
        fontNames_.emplace_back(fontName);
        font = static_cast<std::uint32_t>(fontNames_.size() + 1);
    }
    const Measured entry{result, size, weight, font, 0};
    RowEntry& row = table_[index];
    if (row.measuredIn != number_) {
        row.measuredIn = number_;
        row.first = entry;
        return;
    }
    // A further set of arguments goes in front of the ones already chained
    // (the visit budget keeps their number far below the numbering's range).
    if (overflow_.size() >= std::numeric_limits<std::uint32_t>::max()) return;
    overflow_.push_back(entry);
    overflow_.back().next = row.first.next;
    row.first.next = static_cast<std::uint32_t>(overflow_.size());
}

bool LayoutWalk::firstDrawOf(std::size_t index) {
    if (index >= table_.size() || table_[index].drawnIn == number_) return false;
    table_[index].drawnIn = number_;
    return true;
}

LayoutSize measureLayout(LayoutWalk& walk, std::string_view itemIndex, std::string_view fontName, double size,
                         gfx::FontWeight weight) {
    const std::optional<std::size_t> index = parseItemIndex(itemIndex);
    if (!index) return {};
    walk.coverRowsUpTo(*index);
    return measureItem(walk, *index, fontName, clampedSize(size), weight);
}

LayoutSize measureLayout(const TagLayout& rows, std::string_view itemIndex, std::string_view fontName, double size,
                         gfx::FontWeight weight) {
    LayoutWalk walk(rows);
    return measureLayout(walk, itemIndex, fontName, size, weight);
}

LayoutSize measureLayout(const TagLayout& rows, std::string_view itemIndex, double size, gfx::FontWeight weight) {
    return measureLayout(rows, itemIndex, kDefaultLayoutFontName, size, weight);
}

void drawLayout(LayoutWalk& walk, std::string_view itemIndex, std::string_view fontName, double x, double y,
                double size, gfx::FontWeight weight) {
    const std::optional<std::size_t> index = parseItemIndex(itemIndex);
    if (!index) return;
    walk.coverRowsUpTo(*index);
    drawItem(walk, *index, fontName, x, y, clampedSize(size), weight);
}

void drawLayout(const TagLayout& rows, std::string_view itemIndex, std::string_view fontName, double x, double y,
                double size, gfx::FontWeight weight) {
    LayoutWalk walk(rows);
    drawLayout(walk, itemIndex, fontName, x, y, size, weight);
}

void drawLayout(const TagLayout& rows, std::string_view itemIndex, double x, double y, double size,
                gfx::FontWeight weight) {
    drawLayout(rows, itemIndex, kDefaultLayoutFontName, x, y, size, weight);
}

LayoutSize measureChild(const LayoutFrame& parent, std::string_view childIndex, std::string_view fontName, double size,
                        gfx::FontWeight weight) {
    std::optional<std::size_t> index = childRow(parent, childIndex);
    if (!index || parent.rows == nullptr) return {};
    if (parent.walk == nullptr) {
        LayoutWalk walk(*parent.rows);
        walk.coverRowsUpTo(*index);
        return measureItem(walk, *index, fontName, size, weight);
    }
    return measureItem(*parent.walk, *index, fontName, size, weight);
}

void drawChild(const LayoutFrame& parent, std::string_view childIndex, std::string_view fontName, double x, double y,
               double size, gfx::FontWeight weight) {
    std::optional<std::size_t> index = childRow(parent, childIndex);
    if (!index || parent.rows == nullptr) return;
    if (parent.walk == nullptr) {
        LayoutWalk walk(*parent.rows);
        walk.coverRowsUpTo(*index);
        drawItem(walk, *index, fontName, x, y, size, weight);
        return;
    }
    drawItem(*parent.walk, *index, fontName, x, y, size, weight);
}

}  // namespace duolinear
