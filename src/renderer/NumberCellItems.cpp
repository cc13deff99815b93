#include "renderer/NumberCellItems.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "layout/ItemIndex.h"
#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/NumberCells.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

enum class CellKind { whole, fraction, mixedNumber, extendedFraction, block };

std::optional<CellKind> cellKind(std::string_view kind) {
    if (kind == "whole") return CellKind::whole;
    if (kind == "fraction") return CellKind::fraction;
    if (kind == "mixed_number") return CellKind::mixedNumber;
    if (kind == "extended_fraction") return CellKind::extendedFraction;
    if (kind == "block") return CellKind::block;
    return std::nullopt;
}

const std::string& minusSign() {
    static const std::string sign = "-";
    return sign;
}

double widthOf(const std::string& text, const gfx::TextAttributes& attributes) {
    return gfx::measureText(text, attributes).width;
}

// Values after the kind, and colours after the colour key, of each kind.
struct RowCounts {
    std::size_t values;
    std::size_t colors;
};

RowCounts rowCounts(CellKind kind) {
    switch (kind) {
        case CellKind::whole:
            return {1, 1};
        case CellKind::fraction:
            return {2, 2};
        case CellKind::mixedNumber:
            return {3, 3};
        case CellKind::extendedFraction:
            return {5, 2};
        case CellKind::block:
            return {1, 0};
    }
    return {0, 0};
}

bool isComplete(const LayoutFrame& frame, RowCounts counts) {
    const TagRow* kindRow = frame.row(0);
    if (kindRow == nullptr || kindRow->size() <= counts.values) return false;
    if (counts.colors == 0) return true;
    const TagRow* colorRow = frame.row(1);
    return colorRow != nullptr && colorRow->size() > counts.colors;
}

// The width of a stacked fraction whose numerator may carry a leading "-"
// that is drawn before the bar in the whole font.
double signedFractionWidth(const LayoutFrame& frame, const std::string& numerator, const std::string& denominator) {
    double sign = 0.0;
    std::string top = numerator;
    if (top.starts_with(minusSign())) {
        sign = widthOf(minusSign(), frame.wholeAttributes);
        top.erase(0, 1);
    }
    return sign + std::max(widthOf(top, frame.fractionAttributes), widthOf(denominator, frame.fractionAttributes));
}

// The two lines of an extended fraction: numerator operator operand.
std::string extendedLine(const std::string& number, const std::string& operatorText, const std::string& operand) {
    return number + " " + operatorText + " " + operand;
}

std::string extendedTop(const LayoutFrame& frame) {
    return extendedLine(frame.entry(0, 2), frame.entry(0, 1), frame.entry(0, 4));
}

std::string extendedBottom(const LayoutFrame& frame) {
    return extendedLine(frame.entry(0, 3), frame.entry(0, 1), frame.entry(0, 5));
}

// ----- the column calculation -----

struct BlockRows {
    std::size_t relation = 0;   // R
    std::size_t operation = 0;  // P
    std::size_t cells[3] = {};  // A, B, E
};

const TagRow* rowAt(const LayoutFrame& frame, std::size_t index) {
    return index < frame.rows->size() ? &(*frame.rows)[index] : nullptr;
}

// Value `position` of row `index` as a row index that stands before `parent`.
std::optional<std::size_t> referenceBefore(const LayoutFrame& frame, std::size_t index, std::size_t position,
                                           std::size_t parent) {
    const TagRow* row = rowAt(frame, index);
    if (row == nullptr || position >= row->size()) return std::nullopt;
    std::optional<std::size_t> reference = parseItemIndex((*row)[position]);
    if (!reference || *reference >= parent) return std::nullopt;
    return reference;
}

std::optional<BlockRows> readBlock(const LayoutFrame& frame) {
    if (frame.rows == nullptr) return std::nullopt;
    BlockRows b;
    const std::optional<std::size_t> r = referenceBefore(frame, frame.index, 1, frame.index);
    if (!r) return std::nullopt;
    const std::optional<std::size_t> p = referenceBefore(frame, *r + 1, 1, *r);
    const std::optional<std::size_t> e = referenceBefore(frame, *r + 1, 2, *r);
    if (!p || !e || rowAt(frame, *r + 2) == nullptr) return std::nullopt;
    const TagRow* operation = rowAt(frame, *p);
    if (operation == nullptr || operation->size() < 2) return std::nullopt;
    const std::optional<std::size_t> a = referenceBefore(frame, *p + 1, 1, *p);
    const std::optional<std::size_t> bb = referenceBefore(frame, *p + 1, 2, *p);
    if (!a || !bb) return std::nullopt;
    // Every cell stands before P or R, so its colour row (the next row) exists.
    b.relation = *r;
    b.operation = *p;
    b.cells[0] = *a;
    b.cells[1] = *bb;
    b.cells[2] = *e;
    return b;
}

std::string valueOf(const LayoutFrame& frame, std::size_t index, std::size_t position) {
    const TagRow* row = rowAt(frame, index);
    return row != nullptr && position < row->size() ? std::string((*row)[position]) : std::string();
}

// The block's columns: the operator's room, then the whole column W1 and the
// fraction column W2.
struct BlockColumns {
    NumberCellSize cells[3];
    double wholeColumn = 0.0;
    double fractionColumn = 0.0;
    double operatorWidth = 0.0;
};

std::string operatorText(const LayoutFrame& frame, const BlockRows& b) {
    return valueOf(frame, b.operation, 1) + " ";
}

BlockColumns blockColumns(const LayoutFrame& frame, const BlockRows& b) {
    BlockColumns c;
    for (int k = 0; k < 3; ++k) {
        c.cells[k] = measureNumberCell(*rowAt(frame, b.cells[k]), frame.wholeAttributes, frame.fractionAttributes);
        // A cell's own bar room has a floor of its own; the block places its
        // rows by the renderer's bar space, which outgrows that room above
        // 48 points, so a row is never measured lower than it is drawn.
        c.cells[k].height = std::max(c.cells[k].height, frame.metric.fracHeight);
        c.wholeColumn = std::max(c.wholeColumn, c.cells[k].wholeWidth);
        c.fractionColumn = std::max(c.fractionColumn, c.cells[k].fractionWidth);
    }
    c.operatorWidth = widthOf(operatorText(frame, b), frame.wholeAttributes);
    return c;
}

LayoutSize measureBlock(const LayoutFrame& frame) {
    const std::optional<BlockRows> b = readBlock(frame);
    if (!b) return {};
    const Metric& m = frame.metric;
    const BlockColumns c = blockColumns(frame, *b);
    const double height = c.cells[0].height + c.cells[1].height + c.cells[2].height + 5.0 * m.barSpace;
    return {c.wholeColumn + c.fractionColumn + c.operatorWidth, height,
            0.5 * height + m.wholeHalfXHeight - m.halfBarSpace - m.barSpace};
}

void drawBlock(const LayoutFrame& frame, double x, double y) {
    const std::optional<BlockRows> b = readBlock(frame);
    if (!b) return;
    const Metric& m = frame.metric;
    const BlockColumns c = blockColumns(frame, *b);
    const double cx = x + c.operatorWidth;
    const double baselines[3] = {y - m.fracHeight - m.barSpace, y, y + m.fracHeight + 2.0 * m.barSpace};
    for (int k = 0; k < 3; ++k) {
        const std::size_t cell = b->cells[k];
        drawBlockCell(*rowAt(frame, cell), *rowAt(frame, cell + 1), frame.wholeAttributes, frame.fractionAttributes,
                      {c.cells[k].wholeWidth, c.cells[k].fractionWidth}, m, cx, baselines[k], c.wholeColumn,
                      c.fractionColumn);
    }
    gfx::drawText(operatorText(frame, *b), {x, y - m.wholeAscender},
                  frame.wholeAttributesIn(valueOf(frame, b->operation + 2, 1)));
    if (gfx::Context* context = gfx::currentContext()) {
        const gfx::Color rules = cgColor(layoutColor(valueOf(frame, b->relation + 2, 1)));
        const double right = cx + c.wholeColumn + c.fractionColumn;
        const double first = y - m.wholeHalfXHeight + m.fracCapHeight + 1.5 * m.barSpace;
        const double second = first + m.fracHeight + 2.0 * m.barSpace;
        drawLine(*context, rules, {cx, first}, {right, first}, m.halfBarSpace);
        drawLine(*context, rules, {cx, second}, {right, second}, m.halfBarSpace);
    }
}

}  // namespace

bool isNumberCellItemKind(std::string_view kind) {
    return cellKind(kind).has_value();
}

LayoutSize measureNumberCellItem(const LayoutFrame& frame) {
    const std::optional<CellKind> kind = cellKind(frame.kind());
    if (!kind || !isComplete(frame, rowCounts(*kind))) return {};
    if (*kind == CellKind::block) return measureBlock(frame);

    const Metric& m = frame.metric;
    double width = 0.0;
    switch (*kind) {
        case CellKind::whole:
            width = widthOf(frame.entry(0, 1), frame.wholeAttributes);
            break;
        case CellKind::fraction:
            width = signedFractionWidth(frame, frame.entry(0, 1), frame.entry(0, 2));
            break;
        case CellKind::extendedFraction:
            width = signedFractionWidth(frame, extendedTop(frame), extendedBottom(frame));
            break;
        case CellKind::mixedNumber:
            width = widthOf(frame.entry(0, 1), frame.wholeAttributes) +
                    std::max(widthOf(frame.entry(0, 2), frame.fractionAttributes),
                             widthOf(frame.entry(0, 3), frame.fractionAttributes));
            break;
        case CellKind::block:
            break;
    }
    return {width, m.fracHeight, m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace};
}

void drawNumberCellItem(const LayoutFrame& frame, double x, double y) {
    const std::optional<CellKind> kind = cellKind(frame.kind());
    if (!kind || !isComplete(frame, rowCounts(*kind))) return;
    const Metric& m = frame.metric;
    const gfx::TextAttributes& whole = frame.wholeAttributes;
    const gfx::TextAttributes& fraction = frame.fractionAttributes;
    switch (*kind) {
        case CellKind::whole:
            drawWholeCell(frame.entry(0, 1), frame.entry(1, 1), fraction, whole, m, x, y);
            return;
        case CellKind::fraction:
            drawFractionCell(frame.entry(0, 1), frame.entry(0, 2), frame.entry(1, 1), frame.entry(1, 2), fraction,
                             whole, m, {}, x, y);
            return;
        case CellKind::extendedFraction:
            drawFractionCell(extendedTop(frame), extendedBottom(frame), frame.entry(1, 1), frame.entry(1, 2), fraction,
                             whole, m, {}, x, y);
            return;
        case CellKind::mixedNumber:
            drawMixedNumberCell(frame.entry(0, 1), frame.entry(0, 2), frame.entry(0, 3), frame.entry(1, 1),
                                frame.entry(1, 2), frame.entry(1, 3), fraction, whole, m, x, y);
            return;
        case CellKind::block:
            drawBlock(frame, x, y);
            return;
    }
}

}  // namespace duolinear
