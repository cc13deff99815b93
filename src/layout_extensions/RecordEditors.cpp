#include "layout_extensions/RecordEditors.h"

#include <string_view>
#include <vector>

#include "layout/ItemIndex.h"
#include "layout_extensions/ColorRows.h"
#include "layout_extensions/RowWalk.h"

namespace duolinear {

namespace {

bool isTaggedLeaf(std::string_view kind) {
    return kind == "message" || kind == "integer" || kind == "rational" || kind == "signed_rational" ||
           kind == "whole" || kind == "fraction" || kind == "mixed_number";
}

bool isGrid(std::string_view kind) {
    return kind == "box_grid" || kind == "box_table";
}

// Where the tag row of a kind stands after its kind row; none for kinds that
// are never matched.
std::optional<std::size_t> tagRowOffset(std::string_view kind) {
    if (isTaggedLeaf(kind) || kind == "font") return 2;
    if (kind == "unary" || kind == "join" || isGrid(kind)) return 3;
    return std::nullopt;
}

// The depth-first walk of the item tree below `from`, each item at most once.
class TreeWalk {
public:
    TreeWalk(const TagLayout& layout, std::size_t from) : layout_(layout), visited_(layout.size(), false) {
        stack_.push_back(from);
    }

    // The next item's kind row, or none when the walk is over.
    std::optional<std::size_t> next() {
        while (!stack_.empty()) {
            const std::size_t k = stack_.back();
            stack_.pop_back();
            if (k >= layout_.size() || visited_[k] || layout_[k].empty()) continue;
            visited_[k] = true;
            return k;
        }
        return std::nullopt;
    }

    // Pushes the child named by value `position` of row k + offset, when it
    // is a row index that stands before the parent k (the start row's root
    // must merely follow it).
    void pushChild(std::size_t k, std::size_t offset, std::size_t position) {
        if (offset >= layout_.size() - k) return;
        const TagRow& row = layout_[k + offset];
        if (position >= row.size()) return;
        const std::optional<std::size_t> child = parseItemIndex(row[position]);
        if (!child) return;
        const bool placed = k == 0 ? *child > 0 && *child < layout_.size() : *child < k;
        if (placed) stack_.push_back(*child);
    }

    // The children of the item at k, the right one of a join pushed last.
    void pushChildren(std::size_t k) {
        const std::string_view kind = layout_[k][0];
        if (kind == "start" || kind == "block") {
            pushChild(k, 0, 1);
        } else if (kind == "unary" || kind == "font") {
            pushChild(k, 1, 1);
        } else if (kind == "join") {
            pushChild(k, 1, 1);
            pushChild(k, 1, 2);
        }
    }

private:
    const TagLayout& layout_;
    std::vector<bool> visited_;
    std::vector<std::size_t> stack_;
};

bool isStartedLayout(const TagLayout& layout) {
    return !layout.empty() && !layout[0].empty() && layout[0][0] == "start";
}

// Every colour of one item set to c.
void recolorItem(TagLayout& layout, std::size_t k, Color c) {
    const std::string kind(layout[k][0]);
    auto fill = [&](std::size_t count) { rewriteColorRow(layout, k, std::vector<ColorSlot>(count, c)); };
    if (kind == "message" || kind == "integer" || kind == "whole") {
        fill(1);
    } else if (kind == "fraction" || kind == "extended_fraction") {
        fill(2);
    } else if (kind == "mixed_number") {
        fill(3);
    } else if (kind == "rational" || kind == "signed_rational" || kind == "fraction_cancel_numerator" ||
               kind == "fraction_cancel_denominator") {
        fill(4);
    } else if (kind == "fraction_cancel_numerator_and_denominator") {
        fill(6);
    } else if ((kind == "unary" || kind == "join") && k + 2 < layout.size()) {
        layout[k + 2] = {kind + "_color", rawValue(c)};
    } else if (isGrid(kind) && k + 2 < layout.size()) {
        const std::size_t count = layout[k + 2].empty() ? 0 : layout[k + 2].size() - 1;
        TagRow colors{kind + "_colors"};
        colors.insert(colors.end(), count, rawValue(c));
        layout[k + 2] = std::move(colors);
    }
}

void setColorBeforeTagRow(TagLayout& layout, const std::string& kind, Color c, const std::string& tag) {
    const std::string tagKey = kind + "_tag";
    for (std::size_t j = 1; j < layout.size(); ++j) {
        const TagRow& row = layout[j];
        if (row.size() > 1 && row[0] == tagKey && row[1] == tag) {
            layout[j - 1] = {kind + "_color", rawValue(c)};
            return;
        }
    }
}

}  // namespace

std::optional<std::size_t> findItemByTag(const TagLayout& layout, const std::string& tag) {
    if (!isStartedLayout(layout)) return std::nullopt;
    if (tag == "start") return 0;
    TreeWalk walk(layout, 0);
    while (const std::optional<std::size_t> k = walk.next()) {
        const std::string kind(layout[*k][0]);
        if (const std::optional<std::size_t> offset = tagRowOffset(kind)) {
            const std::optional<std::string_view> itemTag = itemTagAt(layout, *k, *offset);
            if (itemTag && *itemTag == tag) return k;
        }
        walk.pushChildren(*k);
    }
    return std::nullopt;
}

TagLayout recolorFractionPart(const TagLayout& layout, Color color, const std::string& tag) {
    TagLayout out = layout;
    const std::optional<std::size_t> k = findItemByTag(out, tag);
    if (!k) return out;
    if (out[*k][0] == "fraction") rewriteColorRow(out, *k, {color, color});
    if (out[*k][0] == "mixed_number") rewriteColorRow(out, *k, {std::nullopt, color, color});
    return out;
}

TagLayout recolorDenominator(const TagLayout& layout, Color color, const std::string& tag) {
    TagLayout out = layout;
    const std::optional<std::size_t> k = findItemByTag(out, tag);
    if (!k) return out;
    if (out[*k][0] == "fraction") rewriteColorRow(out, *k, {std::nullopt, color});
    if (out[*k][0] == "mixed_number") rewriteColorRow(out, *k, {std::nullopt, std::nullopt, color});
    return out;
}

TagLayout recolorSubtree(const TagLayout& layout, Color color, const std::string& tag) {
    TagLayout out = layout;
    const std::optional<std::size_t> found = findItemByTag(out, tag);
    if (!found) return out;
    TreeWalk walk(out, *found);
    while (const std::optional<std::size_t> k = walk.next()) {
        recolorItem(out, *k, color);
        // Blocks keep their cells: the walk stops at them.
        if (out[*k][0] != "block") walk.pushChildren(*k);
    }
    return out;
}

void setUnaryColor(TagLayout& layout, Color color, const std::string& tag) {
    setColorBeforeTagRow(layout, "unary", color, tag);
}

void setJoinColor(TagLayout& layout, Color color, const std::string& tag) {
    setColorBeforeTagRow(layout, "join", color, tag);
}

void setMessageColor(TagLayout& layout, Color color, const std::string& tag) {
    setColorBeforeTagRow(layout, "message", color, tag);
}

}  // namespace duolinear
