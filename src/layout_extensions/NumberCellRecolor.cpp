#include "layout_extensions/NumberCellRecolor.h"

#include <string_view>
#include <vector>

#include "layout_extensions/ColorRows.h"
#include "layout_extensions/RowWalk.h"

namespace duolinear {

namespace {

// The new colour row of one kind that an operation handles.
struct KindColors {
    std::string_view kind;
    std::vector<ColorSlot> slots;
};

constexpr std::size_t kTagRowOffset = 2;
const ColorSlot kept;

void recolorFirstTagged(TagLayout& layout, const std::vector<KindColors>& handled, const std::string& tag) {
    const KindColors* rule = nullptr;
    const std::optional<std::size_t> found = findInRowWalk(layout, [&](std::size_t i) {
        if (layout[i].empty()) return false;
        for (const KindColors& candidate : handled) {
            if (layout[i][0] != candidate.kind) continue;
            const std::optional<std::string_view> itemTag = itemTagAt(layout, i, kTagRowOffset);
            if (!itemTag || *itemTag != tag) return false;
            rule = &candidate;
            return true;
        }
        return false;
    });
    if (found) rewriteColorRow(layout, *found, rule->slots);
}

}  // namespace

void recolorNumberCell(TagLayout& layout, Color c, const std::string& tag) {
    recolorFirstTagged(layout, {{"whole", {c}}, {"fraction", {c, c}}, {"mixed_number", {c, c, c}}}, tag);
}

void recolorFractionPartInPlace(TagLayout& layout, Color c, const std::string& tag) {
    recolorFirstTagged(layout, {{"fraction", {c, c}}, {"mixed_number", {kept, c, c}}}, tag);
}

void recolorWholePart(TagLayout& layout, Color c, const std::string& tag) {
    recolorFirstTagged(layout, {{"whole", {c}}, {"mixed_number", {c, kept, kept}}}, tag);
}

void recolorNumeratorInPlace(TagLayout& layout, Color c, const std::string& tag) {
    recolorFirstTagged(layout, {{"fraction", {c, kept}}, {"mixed_number", {kept, c, kept}}}, tag);
}

void recolorDenominatorInPlace(TagLayout& layout, Color c, const std::string& tag) {
    recolorFirstTagged(layout, {{"fraction", {kept, c}}, {"mixed_number", {kept, kept, c}}}, tag);
}

void setMixedNumberColors(TagLayout& layout, Color wholeColor, Color numeratorColor, Color denominatorColor,
                          const std::string& tag) {
    recolorFirstTagged(layout, {{"mixed_number", {wholeColor, numeratorColor, denominatorColor}}}, tag);
}

void recolorVisibleFraction(TagLayout& layout, Color top, Color bottom, const std::string& tag) {
    recolorFirstTagged(layout,
                       {{"fraction", {top, bottom}},
                        {"mixed_number", {kept, top, bottom}},
                        {"fraction_cancel_numerator_and_denominator", {kept, kept, top, bottom, kept, kept}},
                        {"fraction_cancel_numerator", {kept, bottom, top, kept}},
                        {"fraction_cancel_denominator", {top, kept, bottom, kept}},
                        {"extended_fraction", {top, bottom}}},
                       tag);
}

}  // namespace duolinear
