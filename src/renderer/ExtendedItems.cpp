#include "renderer/ExtendedItems.h"

#include <array>

#include "renderer/BoxItems.h"
#include "renderer/CancelledFractionItems.h"
#include "renderer/NumberCellItems.h"
#include "renderer/PlugInItems.h"

namespace duolinear {

namespace {

constexpr std::array<std::string_view, 11> kExtendedKinds{
    "block",
    "whole",
    "fraction",
    "fraction_cancel_numerator_and_denominator",
    "fraction_cancel_numerator",
    "fraction_cancel_denominator",
    "extended_fraction",
    "mixed_number",
    "box_grid",
    "box_table",
    "plug_in",
};

}  // namespace

bool isExtendedItemKind(std::string_view kind) {
    for (std::string_view name : kExtendedKinds) {
        if (kind == name) return true;
    }
    return false;
}

LayoutSize measureExtendedItem(const LayoutFrame& frame) {
    const std::string& kind = frame.kind();
    if (isNumberCellItemKind(kind)) return measureNumberCellItem(frame);
    if (isCancelledFractionKind(kind)) return measureCancelledFraction(frame);
    if (isBoxItemKind(kind)) return measureBoxItem(frame);
    if (isPlugInItemKind(kind)) return measurePlugInItem(frame);
    return {};
}

void drawExtendedItem(const LayoutFrame& frame, double x, double y) {
    const std::string& kind = frame.kind();
    if (isNumberCellItemKind(kind)) {
        drawNumberCellItem(frame, x, y);
    } else if (isCancelledFractionKind(kind)) {
        drawCancelledFraction(frame, x, y);
    } else if (isBoxItemKind(kind)) {
        drawBoxItem(frame, x, y);
    } else if (isPlugInItemKind(kind)) {
        drawPlugInItem(frame, x, y);
    }
}

}  // namespace duolinear
