#include "renderer/PlugInItems.h"

#include <optional>

#include "algebra/Checked.h"
#include "layout_extensions/CountDrawing.h"
#include "layout_extensions/DivisionDrawings.h"
#include "layout_extensions/MultiplicationDrawings.h"
#include "layout_extensions/PlaceValueDrawings.h"
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

PlugInSize measureLattice(const LayoutFrame& frame) {
    const std::optional<std::int64_t> p = count(frame, 1, 1), q = count(frame, 1, 2);
    if (!p || !q) return {};
    return measureLatticeMultiply(frame.size, *p, *q);
}

PlugInSize measureGrid(const LayoutFrame& frame) {
    const std::optional<std::int64_t> p = count(frame, 1, 1), q = count(frame, 1, 2);
    const TagRow* headings = frame.row(2);
    if (!p || !q || *p < 1 || *q < 1 || headings == nullptr || headings->size() <= static_cast<std::uint64_t>(*q) + 1) {
        return {};
    }
    const TextList texts = valuesOf(frame, 2);
    const auto firstRowHeading = texts.begin() + *q;
    const auto end = texts.end() - firstRowHeading > *p ? firstRowHeading + *p : texts.end();
    return measureGridMultiply(frame.size, *p, *q, longestTextLength({texts.begin(), firstRowHeading}),
                               longestTextLength({firstRowHeading, end}));
}

// `rows` rows of `columns` values, row after row; none when the list is short.
std::optional<TextGrid> reshaped(const TextList& values, std::int64_t rows, std::int64_t columns) {
    const CheckedInt cells = checkedMultiply(rows, columns);
    if (rows < 0 || columns < 0 || !cells || static_cast<std::uint64_t>(*cells) > values.size()) return std::nullopt;
    TextGrid grid(static_cast<std::size_t>(rows));
    const std::size_t width = static_cast<std::size_t>(columns);
    for (std::size_t r = 0; r < grid.size(); ++r) {
        grid[r].assign(values.begin() + static_cast<std::ptrdiff_t>(r * width),
                       values.begin() + static_cast<std::ptrdiff_t>((r + 1) * width));
    }
    return grid;
}

PlugInSize measureAddColumnItem(const LayoutFrame& frame) {
    const std::optional<std::int64_t> a = count(frame, 1, 2), b = count(frame, 1, 3), c = count(frame, 1, 4);
    if (!a || !b || !c) return {};
    const std::optional<TextGrid> tableau = reshaped(valuesOf(frame, 2), *b, *c);
    const std::optional<TextGrid> attributes = reshaped(valuesOf(frame, 3), *b, *c);
    if (!tableau || !attributes) return measureAddColumn(frame.size, frame.entry(1, 1), *a, *b, *c);
    return measureAddColumnCells(frame.size, frame.entry(1, 1), *a, *b, *c, *tableau, *attributes);
}

using ListMeasurer = PlugInSize (*)(double, const std::string&, const TextList&, const TextList&);

PlugInSize measureWithLists(const LayoutFrame& frame, ListMeasurer measurer, std::size_t globalsRow) {
    return measurer(frame.size, frame.entry(1, 1), valuesOf(frame, globalsRow), valuesOf(frame, globalsRow + 1));
}

// ----- drawing -----

// p rows and q columns of a multiplication, with n = p + q headings and
// m = p·q cells; none unless both are at least 1.
struct MultiplicationShape {
    std::size_t p = 0, q = 0, n = 0, m = 0;
};

std::optional<MultiplicationShape> multiplicationShape(const LayoutFrame& frame) {
    const std::optional<std::int64_t> p = count(frame, 1, 1), q = count(frame, 1, 2);
    if (!p || !q || *p < 1 || *q < 1) return std::nullopt;
    const CheckedInt n = checkedAdd(*p, *q), m = checkedMultiply(*p, *q);
    if (!n || !m) return std::nullopt;
    return MultiplicationShape{static_cast<std::size_t>(*p), static_cast<std::size_t>(*q), static_cast<std::size_t>(*n),
                               static_cast<std::size_t>(*m)};
}

// Whether row `offset` holds `blocks` blocks of `count` values after its key.
bool holdsBlocks(const LayoutFrame& frame, std::size_t offset, std::size_t blocks, std::size_t count) {
    const TagRow* row = frame.row(offset);
    std::size_t needed = 0;
    return row != nullptr && !__builtin_mul_overflow(blocks, count, &needed) && row->size() > needed;
}

// Value k of the text row with its colours from the colour row: the text
// colour at k, the background `backgroundAt` further on.
PlugInCell cellAt(const LayoutFrame& frame, std::size_t textRow, std::size_t colorRow, std::size_t k,
                  std::size_t backgroundAt) {
    return {frame.entry(textRow, k), frame.entry(colorRow, k), frame.entry(colorRow, backgroundAt + k)};
}

PlugInCells cellsAt(const LayoutFrame& frame, std::size_t textRow, std::size_t colorRow, std::size_t first,
                    std::size_t last, std::size_t backgroundAt) {
    PlugInCells cells;
    for (std::size_t k = first; k <= last; ++k) cells.push_back(cellAt(frame, textRow, colorRow, k, backgroundAt));
    return cells;
}

void drawLattice(const LayoutFrame& frame, double x, double y) {
    const std::optional<MultiplicationShape> shape = multiplicationShape(frame);
    if (!shape) return;
    const auto [p, q, n, m] = *shape;
    if (!holdsBlocks(frame, 2, 1, n) || !holdsBlocks(frame, 3, 2, n) || !holdsBlocks(frame, 4, 1, n) ||
        !holdsBlocks(frame, 5, 2, n) || !holdsBlocks(frame, 6, 2, m) || !holdsBlocks(frame, 7, 4, m)) {
        return;
    }
    PlugInCellGrid upper(p), lower(p);
    for (std::size_t r = 0; r < p; ++r) {
        for (std::size_t c = 0; c < q; ++c) {
            const std::size_t k = r * q + c + 1;
            upper[r].push_back(cellAt(frame, 6, 7, k, m));
            lower[r].push_back({frame.entry(6, m + k), frame.entry(7, 2 * m + k), frame.entry(7, 3 * m + k)});
        }
    }
    drawLatticeMultiply(cellsAt(frame, 2, 3, 1, q, n), cellsAt(frame, 2, 3, q + 1, n, n), cellsAt(frame, 4, 5, 1, p, n),
                        cellsAt(frame, 4, 5, p + 1, n, n), upper, lower, x, y, frame.size);
}

void drawGrid(const LayoutFrame& frame, double x, double y) {
    const std::optional<MultiplicationShape> shape = multiplicationShape(frame);
    if (!shape) return;
    const auto [p, q, n, m] = *shape;
    if (!holdsBlocks(frame, 2, 1, n) || !holdsBlocks(frame, 3, 2, n) || !holdsBlocks(frame, 4, 1, m) ||
        !holdsBlocks(frame, 5, 2, m)) {
        return;
    }
    PlugInCellGrid cells(p);
    for (std::size_t r = 0; r < p; ++r) {
        for (std::size_t c = 0; c < q; ++c) cells[r].push_back(cellAt(frame, 4, 5, r * q + c + 1, m));
    }
    drawGridMultiply(cellsAt(frame, 2, 3, 1, q, n), cellsAt(frame, 2, 3, q + 1, n, n), cells, x, y, frame.size);
}

void drawTableau(const LayoutFrame& frame, double x, double y) {
    const std::optional<std::int64_t> rows = count(frame, 5, 1), columns = count(frame, 4, 2);
    if (!rows || !columns) return;
    const std::optional<TextGrid> tableau = reshaped(valuesOf(frame, 2), *rows, *columns);
    const std::optional<TextGrid> attributes = reshaped(valuesOf(frame, 3), *rows, *columns);
    if (!tableau || !attributes) return;
    drawTableauOp(frame.entry(1, 1), *tableau, *attributes, valuesOf(frame, 4), valuesOf(frame, 5), x, y, frame.size);
}

void drawAddColumnItem(const LayoutFrame& frame, double x, double y) {
    const std::optional<std::int64_t> a = count(frame, 1, 2), b = count(frame, 1, 3), c = count(frame, 1, 4);
    if (!a || !b || !c) return;
    const std::optional<TextGrid> tableau = reshaped(valuesOf(frame, 2), *b, *c);
    const std::optional<TextGrid> attributes = reshaped(valuesOf(frame, 3), *b, *c);
    if (!tableau || !attributes) return;
    drawAddColumn(frame.entry(1, 1), *a, *b, *c, *tableau, *attributes, x, y, frame.size);
}

void drawPlugIn(const LayoutFrame& frame, const std::string& name, double x, double y) {
    const std::string& mode = frame.entry(1, 1);
    if (name == "lattice_multiply") {
        drawLattice(frame, x, y);
    } else if (name == "grid_multiply") {
        drawGrid(frame, x, y);
    } else if (name == "tableau_op") {
        drawTableau(frame, x, y);
    } else if (name == "divide_partial_op") {
        drawDividePartialOp(mode, valuesOf(frame, 2), valuesOf(frame, 3), valuesOf(frame, 4), valuesOf(frame, 5), x, y,
                            frame.size);
    } else if (name == "divide_op") {
        drawDivideOp(mode, valuesOf(frame, 2), valuesOf(frame, 3), valuesOf(frame, 4), valuesOf(frame, 5),
                     valuesOf(frame, 6), x, y, frame.size);
    } else if (name == "add_column") {
        drawAddColumnItem(frame, x, y);
    } else if (name == "count_op") {
        drawCountOp(mode, valuesOf(frame, 2), valuesOf(frame, 3), valuesOf(frame, 4), valuesOf(frame, 5), x, y,
                    frame.size);
    }
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
    const std::string& name = frame.entry(0, 1);
    if (name == "prime_tree") {
        drawPrimeTree(frame, x, y);
        return;
    }
    // Nothing is clipped: the drawings themselves draw a text too wide for
    // its room smaller, so that no number is cut.
    drawPlugIn(frame, name, x, y);
}

}  // namespace duolinear
