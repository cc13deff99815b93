#include "layout_extensions/MultiplicationDrawings.h"

#include <algorithm>
#include <initializer_list>

#include "algebra/TextFunctions.h"
#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/PlugInDrawingSupport.h"
#include "layout_extensions/PlugInMeasurers.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

// How far the horizontal grid lines reach past the outer vertical ones, and
// how far a lattice's lower digit keeps from its cell's right edge.
constexpr double kOverhang = 1.25;
// How far the lattice's diagonals run on past the grid, in cells.
constexpr double kDiagonalRunOn = 0.25;

bool isGrid(const PlugInCellGrid& grid, std::size_t rows, std::size_t columns) {
    return grid.size() == rows &&
           std::all_of(grid.begin(), grid.end(), [&](const PlugInCells& row) { return row.size() == columns; });
}

// The cell's text colour over its background, in the font.
gfx::TextAttributes cellAttributes(const PlugInCell& cell, const gfx::Font& font) {
    return {font, plugInTextColor(cell.color), plugInBackgroundColor(cell.background)};
}

// The cell's text colour on no background: the cell's background has been
// painted over the triangle or square its text stands in.
gfx::TextAttributes textOnly(const PlugInCell& cell, const gfx::Font& font) {
    return {font, plugInTextColor(cell.color), gfx::Color::clear()};
}

TextList textsOf(const PlugInCells& cells) {
    TextList texts;
    for (const PlugInCell& cell : cells) texts.push_back(cell.text);
    return texts;
}

void fillPolygon(gfx::Context* context, const PlugInCell& cell, std::initializer_list<gfx::Point> corners) {
    const gfx::Color fill = plugInBackgroundColor(cell.background);
    if (context == nullptr || fill.isClear()) return;
    context->beginPath();
    bool first = true;
    for (gfx::Point corner : corners) {
        first ? context->moveTo(corner) : context->addLineTo(corner);
        first = false;
    }
    context->closePath();
    context->setFillColor(fill);
    context->fillPath();
}

void addLine(gfx::Context& context, gfx::Point from, gfx::Point to) {
    context.moveTo(from);
    context.addLineTo(to);
}

void strokeBlack(gfx::Context& context) {
    context.setStrokeColor(gfx::Color::black());
    context.setLineWidth(kPlugInLineWidth);
    context.strokePath();
}

}  // namespace

void drawLatticeMultiply(const PlugInCells& topFactor, const PlugInCells& sideFactor, const PlugInCells& leftProducts,
                         const PlugInCells& bottomProducts, const PlugInCellGrid& upperDigits,
                         const PlugInCellGrid& lowerDigits, double x, double y, double size) {
    const std::size_t a = sideFactor.size(), b = topFactor.size();
    if (a == 0 || b == 0 || leftProducts.size() != a || bottomProducts.size() != b || !isGrid(upperDigits, a, b) ||
        !isGrid(lowerDigits, a, b)) {
        return;
    }
    const PlugInSize box = measureLatticeMultiply(size, static_cast<std::int64_t>(a), static_cast<std::int64_t>(b));
    if (box.height <= 0.0) return;

    const gfx::Font digitFont = plugInFont(0.75 * size), productFont = plugInFont(0.9 * size),
                    factorFont = plugInFont(size);
    const gfx::FontMetrics digit = digitFont.metrics(), product = productFont.metrics(), factor = factorFont.metrics();
    const double w8s = widthIn(digitFont, "8" + superscriptDigit("8"));
    const double sup = w8s - widthIn(digitFont, "8");
    const double w8P = widthIn(productFont, "8"), w8F = widthIn(factorFont, "8");
    const double c = latticeCellSide(size);
    const double gx = x + w8P + (product.ascender - product.capHeight);
    const double gy = y + factor.lineHeight - box.ascent;
    gfx::Context* context = gfx::currentContext();

    // Every text is a digit, sized for by the measure; a longer text is drawn
    // smaller where it stands, within its half cell, cell or margin.
    const double half = 0.5 * c;
    for (std::size_t i = 0; i < a; ++i) {
        for (std::size_t j = 0; j < b; ++j) {
            const double left = gx + static_cast<double>(j) * c, top = gy + static_cast<double>(i) * c;
            const PlugInCell& upper = upperDigits[i][j];
            fillPolygon(context, upper, {{left, top}, {left + c, top}, {left, top + c}});
            drawTextInRoom(upper.text, {left + sup, top}, textOnly(upper, digitFont), half - sup, TextAnchor::left);
        }
    }
    for (std::size_t i = 0; i < a; ++i) {
        for (std::size_t j = 0; j < b; ++j) {
            const double left = gx + static_cast<double>(j) * c, top = gy + static_cast<double>(i) * c;
            const PlugInCell& lower = lowerDigits[i][j];
            fillPolygon(context, lower, {{left + c, top}, {left + c, top + c}, {left, top + c}});
            drawTextInRoom(lower.text, {left + c - w8s - kOverhang, top + c - digit.lineHeight},
                           textOnly(lower, digitFont), w8s, TextAnchor::left);
        }
    }
    const double rows = static_cast<double>(a), columns = static_cast<double>(b);
    for (std::size_t i = 0; i < a; ++i) {
        drawTextInRoom(leftProducts[i].text, {x, gy + static_cast<double>(i + 1) * c - product.lineHeight},
                       cellAttributes(leftProducts[i], productFont), gx - x - kOverhang, TextAnchor::left);
    }
    for (std::size_t j = 0; j < b; ++j) {
        drawTextInRoom(bottomProducts[j].text, {gx + static_cast<double>(j) * c, gy + rows * c},
                       cellAttributes(bottomProducts[j], productFont), c, TextAnchor::left);
    }
    for (std::size_t j = 0; j < b; ++j) {
        const double w = widthIn(factorFont, topFactor[j].text);
        drawTextInRoom(topFactor[j].text, {gx + static_cast<double>(j) * c + 0.5 * (c - w), gy - factor.lineHeight},
                       cellAttributes(topFactor[j], factorFont), c, TextAnchor::centre);
    }
    for (std::size_t i = 0; i < a; ++i) {
        drawTextInRoom(sideFactor[i].text,
                       {gx + columns * c - factor.descender,
                        gy + static_cast<double>(i) * c + 0.5 * c - (factor.ascender - 0.5 * factor.capHeight)},
                       cellAttributes(sideFactor[i], factorFont), w8F, TextAnchor::left);
    }

    if (context == nullptr) return;
    context->beginPath();
    for (std::size_t j = 0; j <= b; ++j) {
        const double across = gx + static_cast<double>(j) * c;
        addLine(*context, {across, gy}, {across, gy + rows * c});
    }
    for (std::size_t i = 0; i <= a; ++i) {
        const double down = gy + static_cast<double>(i) * c;
        addLine(*context, {gx - kOverhang, down}, {gx + columns * c + kOverhang, down});
    }
    for (std::size_t k = 1; k <= a + b; ++k) {
        const double n = static_cast<double>(k);
        const gfx::Point from =
            k <= b ? gfx::Point{gx + n * c, gy} : gfx::Point{gx + columns * c, gy + (n - columns) * c};
        const gfx::Point to =
            k <= a ? gfx::Point{gx - kDiagonalRunOn * c, gy + (n + kDiagonalRunOn) * c}
                   : gfx::Point{gx - kDiagonalRunOn * c + (n - rows) * c, gy + (rows + kDiagonalRunOn) * c};
        addLine(*context, from, to);
    }
    strokeBlack(*context);
}

void drawGridMultiply(const PlugInCells& topFactor, const PlugInCells& sideFactor, const PlugInCellGrid& cells,
                      double x, double y, double size) {
    const std::size_t a = sideFactor.size(), b = topFactor.size();
    if (a == 0 || b == 0 || !isGrid(cells, a, b)) return;
    const std::int64_t nT = longestTextLength(textsOf(topFactor)), nS = longestTextLength(textsOf(sideFactor));
    const PlugInSize box =
        measureGridMultiply(size, static_cast<std::int64_t>(a), static_cast<std::int64_t>(b), nT, nS);
    if (box.height <= 0.0) return;

    const gfx::Font cellFont = plugInFont(0.75 * size), factorFont = plugInFont(size);
    const gfx::FontMetrics cellMetrics = cellFont.metrics(), factor = factorFont.metrics();
    const double c = gridCellSide(size, nT, nS);
    const double wS = widthIn(factorFont, std::string(static_cast<std::size_t>(nS), '8'));
    const double gx = x - factor.descender + wS;
    const double gy = y + factor.lineHeight - box.ascent;
    gfx::Context* context = gfx::currentContext();

    // The cells and the headings are sized for the longest headings and
    // their products; a longer text is drawn smaller, where it would have
    // stood, so that it keeps inside its cell (the pad the measure leaves) or
    // the room left of the grid.
    const double cellRoom = c - kGridCellPad;
    for (std::size_t i = 0; i < a; ++i) {
        for (std::size_t j = 0; j < b; ++j) {
            const double left = gx + static_cast<double>(j) * c, top = gy + static_cast<double>(i) * c;
            const PlugInCell& cell = cells[i][j];
            fillPolygon(context, cell, {{left, top}, {left + c, top}, {left + c, top + c}, {left, top + c}});
            const double w = widthIn(cellFont, cell.text);
            drawTextInRoom(cell.text,
                           {left + 0.5 * (c - w), top + 0.5 * c - (cellMetrics.ascender - 0.5 * cellMetrics.capHeight)},
                           textOnly(cell, cellFont), cellRoom, TextAnchor::centre);
        }
    }
    for (std::size_t j = 0; j < b; ++j) {
        const double w = widthIn(factorFont, topFactor[j].text);
        drawTextInRoom(topFactor[j].text, {gx + static_cast<double>(j) * c + 0.5 * (c - w), gy - factor.lineHeight},
                       cellAttributes(topFactor[j], factorFont), cellRoom, TextAnchor::centre);
    }
    for (std::size_t i = 0; i < a; ++i) {
        const double w = widthIn(factorFont, sideFactor[i].text);
        drawTextInRoom(sideFactor[i].text,
                       {gx - w + factor.descender,
                        gy + static_cast<double>(i) * c + 0.5 * c - (factor.ascender - 0.5 * factor.capHeight)},
                       cellAttributes(sideFactor[i], factorFont), wS, TextAnchor::right);
    }

    if (context == nullptr) return;
    // The grid's right and bottom edges are the item's: their lines lie half
    // a line width inside, and the horizontal lines stop at the right edge,
    // so that no ink falls outside the measured box.
    const double inset = 0.5 * kPlugInLineWidth;
    const double right = gx + static_cast<double>(b) * c, bottom = gy + static_cast<double>(a) * c;
    context->beginPath();
    for (std::size_t j = 0; j <= b; ++j) {
        const double across = j == b ? right - inset : gx + static_cast<double>(j) * c;
        addLine(*context, {across, gy}, {across, bottom});
    }
    for (std::size_t i = 0; i <= a; ++i) {
        const double down = i == a ? bottom - inset : gy + static_cast<double>(i) * c;
        addLine(*context, {gx - kOverhang, down}, {right, down});
    }
    strokeBlack(*context);
}

}  // namespace duolinear
