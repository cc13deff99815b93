#include "layout_extensions/ColorRows.h"

namespace duolinear {

void rewriteColorRow(TagLayout& layout, std::size_t kindRow, const std::vector<ColorSlot>& slots) {
    if (kindRow + 1 >= layout.size() || layout[kindRow].empty()) return;
    const TagRow& old = layout[kindRow + 1];
    TagRow colors{std::string(layout[kindRow][0]) + "_color"};
    for (std::size_t k = 0; k < slots.size(); ++k) {
        if (slots[k]) {
            colors.push_back(rawValue(*slots[k]));
        } else {
            colors.push_back(k + 1 < old.size() ? old[k + 1] : rawValue(Color::black));
        }
    }
    layout[kindRow + 1] = std::move(colors);
}

}  // namespace duolinear
