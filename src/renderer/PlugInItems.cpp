#include "renderer/PlugInItems.h"

#include <optional>

#include "algebra/TextFunctions.h"
#include "layout_extensions/PlugInMeasurers.h"
#include "renderer/PrimeTreeItems.h"

namespace duolinear {

namespace {

LayoutSize asLayoutSize(PlugInSize size) {
    return {size.width, size.height, size.ascent};
}

// Row `offset` without its key; empty when the row is missing.
TextList valuesOf(const LayoutFrame& frame, std::size_t offset) {
    const TagRow* row = frame.row(offset);
    if (row == nullptr || row->empty()) return {};
    return TextList(row->begin() + 1, row->end());
}

std::optional<std::int64_t> count(const LayoutFrame& frame, std::size_t offset, std::size_t position) {
    return parsePlugInInteger(frame.entry(offset, position));
}

std::int64_t characterCount(const std::string& text) {
    return textLengths(text, "").first;
}

PlugInSize measureLattice(const LayoutFrame& frame) {
    const std::optional<std::int64_t> p = count(frame, 1, 1), q = count(frame, 1, 2);
    if (!p || !q) return {};
    return measureLatticeMultiply(frame.size, *p, *q);
}

PlugInSize measureGrid(const LayoutFrame& frame) {
    const std::optional<std::int64_t> p = count(frame, 1, 1), q = count(frame, 1, 2);
    const TagRow* headings = frame.row(2);
    if (!p || !q || *q < 1 || headings == nullptr || headings->size() <= static_cast<std::uint64_t>(*q) + 1) {
        return {};
    }
    const std::size_t firstRowHeading = static_cast<std::size_t>(*q) + 1;
    return measureGridMultiply(frame.size, *p, *q, characterCount((*headings)[1]),
                               characterCount((*headings)[firstRowHeading]));
}

PlugInSize measureAddColumnItem(const LayoutFrame& frame) {
    const std::optional<std::int64_t> a = count(frame, 1, 2), b = count(frame, 1, 3), c = count(frame, 1, 4);
    if (!a || !b || !c) return {};
    return measureAddColumn(frame.size, frame.entry(1, 1), *a, *b, *c);
}

using ListMeasurer = PlugInSize (*)(double, const std::string&, const TextList&, const TextList&);

PlugInSize measureWithLists(const LayoutFrame& frame, ListMeasurer measurer, std::size_t globalsRow) {
    return measurer(frame.size, frame.entry(1, 1), valuesOf(frame, globalsRow), valuesOf(frame, globalsRow + 1));
}

}  // namespace

bool isPlugInItemKind(std::string_view kind) {
    return kind == "plug_in";
}

LayoutSize measurePlugInItem(const LayoutFrame& frame) {
    const std::string& name = frame.entry(0, 1);
    if (name == "lattice_multiply") return asLayoutSize(measureLattice(frame));
    if (name == "grid_multiply") return asLayoutSize(measureGrid(frame));
    if (name == "tableau_op") return asLayoutSize(measureWithLists(frame, measureTableauOp, 4));
    if (name == "divide_partial_op") return asLayoutSize(measureWithLists(frame, measureDividePartialOp, 4));
    if (name == "divide_op") return asLayoutSize(measureWithLists(frame, measureDivideOp, 5));
    if (name == "add_column") return asLayoutSize(measureAddColumnItem(frame));
    if (name == "count_op") return asLayoutSize(measureWithLists(frame, measureCountOp, 4));
    if (name == "prime_tree") return measurePrimeTree(frame);
    return {};
}

void drawPlugInItem(const LayoutFrame& frame, double x, double y) {
    if (frame.entry(0, 1) == "prime_tree") drawPrimeTree(frame, x, y);
}

}  // namespace duolinear
