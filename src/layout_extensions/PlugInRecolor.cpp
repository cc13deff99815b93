#include "layout_extensions/PlugInRecolor.h"

#include <optional>
#include <vector>

#include "layout_extensions/RowWalk.h"

namespace duolinear {

namespace {

// One row to replace: its offset from the "plug_in" row, its key, its values.
struct RowReplacement {
    std::size_t offset;
    std::string key;
    const TextList* values;
};

void recolorPlugIn(TagLayout& layout, const std::string& kind, std::size_t tagOffset, const std::string& tag,
                   const std::vector<RowReplacement>& replacements) {
    const std::optional<std::size_t> found = findInRowWalk(layout, [&](std::size_t i) {
        const TagRow& row = layout[i];
        if (row.size() < 2 || row[0] != "plug_in" || row[1] != kind) return false;
        const std::optional<std::string_view> itemTag = itemTagAt(layout, i, tagOffset);
        return itemTag && *itemTag == tag;
    });
    if (!found) return;
    // The tag row exists, so every row before it does too.
    for (const RowReplacement& replacement : replacements) {
        if (replacement.values->empty()) continue;
        TagRow row{replacement.key};
        row.insert(row.end(), replacement.values->begin(), replacement.values->end());
        layout[*found + replacement.offset] = std::move(row);
    }
}

}  // namespace

void recolorLatticeMultiply(TagLayout& layout, const TextList& partials, const TextList& factorColors,
                            const TextList& productColors, const TextList& partialColors, const std::string& tag) {
    recolorPlugIn(layout, "lattice_multiply", 8, tag,
                  {{6, "lattice_multiply_partials", &partials},
                   {3, "lattice_multiply_factor_colors", &factorColors},
                   {5, "lattice_multiply_product_colors", &productColors},
                   {7, "lattice_multiply_partial_colors", &partialColors}});
}

void recolorGridMultiply(TagLayout& layout, const TextList& factorColors, const TextList& partialColors,
                         const std::string& tag) {
    recolorPlugIn(
        layout, "grid_multiply", 6, tag,
        {{3, "grid_multiply_factor_colors", &factorColors}, {5, "grid_multiply_partial_colors", &partialColors}});
}

}  // namespace duolinear
