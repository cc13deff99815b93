#include "renderer/BoxItems.h"

#include <algorithm>
#include <optional>
#include <string>

#include "algebra/TextFunctions.h"
#include "layout/ItemIndex.h"
#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

constexpr std::size_t kGridCells = 9;
// Values 5, 6, 8 and 9 of the terms row: the cells inside the box.
constexpr std::size_t kBoxCells[] = {5, 6, 8, 9};

double widthOf(const std::string& text, const gfx::TextAttributes& attributes) {
    return gfx::measureText(text, attributes).width;
}

// Whether row `offset` holds at least `count` values after its key.
bool holdsValues(const LayoutFrame& frame, std::size_t offset, std::size_t count) {
    const TagRow* row = frame.row(offset);
    return row != nullptr && row->size() > count;
}

// ----- box grid -----

// The side of a cell; none for a malformed item.
std::optional<double> gridCellSide(const LayoutFrame& frame) {
    if (!holdsValues(frame, 1, kGridCells) || !holdsValues(frame, 2, kGridCells)) return std::nullopt;
    double widest = 0.0;
    for (std::size_t k : kBoxCells) widest = std::max(widest, widthOf(frame.entry(1, k), frame.wholeAttributes));
    return widest + widthOf("0", frame.wholeAttributes);
}

LayoutSize measureBoxGrid(const LayoutFrame& frame) {
    const std::optional<double> s = gridCellSide(frame);
    if (!s) return {};
    return {3.0 * *s, 3.0 * *s, 1.5 * *s};
}

void drawBoxGrid(const LayoutFrame& frame, double x, double y) {
    const std::optional<double> side = gridCellSide(frame);
    if (!side) return;
    const double s = *side;
    const double h0 = gfx::measureText("0", frame.wholeAttributes).height;
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            const std::size_t k = 3 * r + c + 1;
            const std::string& text = frame.entry(1, k);
            const double w = widthOf(text, frame.wholeAttributes);
            gfx::drawText(text,
                          {x + (static_cast<double>(c) + 0.5) * s - 0.5 * w,
                           y - 1.5 * s + static_cast<double>(r) * s + 0.5 * (s - h0)},
                          frame.wholeAttributesIn(frame.entry(2, k)));
        }
    }
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    const gfx::Color black = cgColor(Color::black);
    const double top = y - 0.5 * s;
    for (int j = 0; j < 3; ++j) {
        // The last line of each direction lies on the item's edge: half its
        // width inside keeps all of it within the measured box.
        const double inset = j == 2 ? 0.5 * kDefaultLineWidth : 0.0;
        const double across = top + j * s - inset;
        const double down = x + (j + 1) * s - inset;
        drawLine(*context, black, {x + s, across}, {x + 3.0 * s, across});
        drawLine(*context, black, {down, top}, {down, y + 1.5 * s});
    }
}

// ----- box table -----

struct TableShape {
    std::size_t rows = 0;
    std::size_t columns = 0;
    double zero = 0.0;    // z
    double column = 0.0;  // W = z·L
};

std::optional<TableShape> tableShape(const LayoutFrame& frame) {
    const std::optional<std::size_t> rows = parseItemIndex(frame.entry(0, 2));
    const std::optional<std::size_t> columns = parseItemIndex(frame.entry(0, 3));
    std::size_t cells = 0;
    if (!rows || !columns || __builtin_mul_overflow(*rows, *columns, &cells)) return std::nullopt;
    if (!holdsValues(frame, 1, cells) || !holdsValues(frame, 2, cells)) return std::nullopt;
    const TagRow& entries = *frame.row(1);
    std::int64_t longest = 0;
    for (std::size_t k = 1; k < entries.size(); ++k) longest = std::max(longest, textLengths(entries[k], "").first);
    const double z = widthOf("0", frame.wholeAttributes);
    return TableShape{*rows, *columns, z, z * static_cast<double>(longest)};
}

LayoutSize measureBoxTable(const LayoutFrame& frame) {
    const std::optional<TableShape> shape = tableShape(frame);
    if (!shape) return {};
    const double columns = static_cast<double>(shape->columns);
    // C·(L + 1) − 1 digits: C columns of L with a gap of one after all but the last.
    const double width = std::max(0.0, columns * (shape->column + shape->zero) - shape->zero);
    const double height = static_cast<double>(shape->rows) * frame.metric.wholeLineHeight;
    return {width, height, 0.5 * height};
}

void drawBoxTable(const LayoutFrame& frame, double x, double y) {
    const std::optional<TableShape> shape = tableShape(frame);
    if (!shape) return;
    const double lh = frame.metric.wholeLineHeight;
    const double top = y - 0.5 * static_cast<double>(shape->rows) * lh;
    for (std::size_t r = 0; r < shape->rows; ++r) {
        for (std::size_t c = 0; c < shape->columns; ++c) {
            const std::size_t k = r * shape->columns + c + 1;
            const std::string& text = frame.entry(1, k);
            const double right = x + static_cast<double>(c) * (shape->column + shape->zero) + shape->column;
            gfx::drawText(text, {right - widthOf(text, frame.wholeAttributes), top + static_cast<double>(r) * lh},
                          frame.wholeAttributesIn(frame.entry(2, k)));
        }
    }
}

}  // namespace

bool isBoxItemKind(std::string_view kind) {
    return kind == "box_grid" || kind == "box_table";
}

LayoutSize measureBoxItem(const LayoutFrame& frame) {
    if (frame.kind() == "box_grid") return measureBoxGrid(frame);
    if (frame.kind() == "box_table") return measureBoxTable(frame);
    return {};
}

void drawBoxItem(const LayoutFrame& frame, double x, double y) {
    if (frame.kind() == "box_grid") {
        drawBoxGrid(frame, x, y);
    } else if (frame.kind() == "box_table") {
        drawBoxTable(frame, x, y);
    }
}

}  // namespace duolinear
