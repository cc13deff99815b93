#include "layout_extensions/RowWalk.h"

#include "layout/ItemIndex.h"

namespace duolinear {

namespace {

std::size_t plugInRowCount(const TagRow& row) {
    if (row.size() < 3) return 1;
    const std::optional<std::size_t> count = parseItemIndex(row[2]);
    return count && *count > 0 ? *count : 1;
}

}  // namespace

std::size_t itemRowCount(const TagLayout& layout, std::size_t kindRow) {
    if (kindRow >= layout.size() || layout[kindRow].empty()) return 3;
    const TagRow& row = layout[kindRow];
    const std::string_view kind = row[0];
    if (kind == "start" || kind == "block" || kind == "BLANK") return 1;
    if (kind == "unary" || kind == "join" || kind == "box_grid" || kind == "box_table") return 4;
    if (kind == "plug_in") return plugInRowCount(row);
    return 3;
}

std::optional<std::size_t> findInRowWalk(const TagLayout& layout,
                                         const std::function<bool(std::size_t kindRow)>& matches) {
    std::size_t i = 0;
    while (i < layout.size()) {
        if (matches(i)) return i;
        const std::size_t step = itemRowCount(layout, i);
        if (step >= layout.size() - i) break;
        i += step;
    }
    return std::nullopt;
}

std::optional<std::string_view> itemTagAt(const TagLayout& layout, std::size_t kindRow, std::size_t offset) {
    if (kindRow >= layout.size() || offset >= layout.size() - kindRow) return std::nullopt;
    const TagRow& row = layout[kindRow + offset];
    if (row.size() <= 1) return std::nullopt;
    return row[1];
}

}  // namespace duolinear
